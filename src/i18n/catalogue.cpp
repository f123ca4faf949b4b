#include "i18n/catalogue.h"

#include <cstddef>

namespace orvell {

namespace {

using P = Property;

// The two composed keys keep empty texts here; LoadMessages builds them.
constexpr MessageText kMessages[] = {
    {Msg::TitlePrefix, {"  ORVELL", "  ORVELL", "  ORVELL", "  ORVELL"}},
    {Msg::ManualFileName,
     {"manual_quenta_orvell_en.pdf", "manual_quenta_orvell_de.pdf", "manual_quenta_orvell_fr.pdf",
      "manual_quenta_orvell_cz.pdf"}},
    {Msg::MsgProgramError,
     {"Program error!", "Programmier Fehler", "Erreur de programmation!", "Chyba programování"}},
    {Msg::MsgVerifyError,
     {"Verify error!", "Vergleichsfehler", "Verifier erreur!", "Chyba verifikace!"}},
    {Msg::MsgReadError, {"Read error!", "Lesefehler", "Lire erreur!", "Chyba čtení!"}},
    {Msg::MsgProgramDevice, {"Program device:", "Programmieren:", "Programmer:", "Programování:"}},
    {Msg::MsgVerifying, {"Verify:", "Vergleichen:", "Vérifier", "Verifikace:"}},
    {Msg::MsgReading, {"Read:", "Lesen:", "Lire", "Čtení:"}},
    {Msg::MsgSaving, {"Saving:", "Speichern:", "Mémorisation", "Ukládání:"}},
    {Msg::MsgUnitVersionMismatch,
     {"Unmatched version of PC and Ignition programs!",
      "Programm der Zündung ist nicht kompatibel mit dem Programm am PC!",
      "Programme du boitier d´alumage non compatible avec programme PC!",
      "Neshodné verze proramu v PC a zapalování!"}},
    {Msg::MsgAdvance, {"Advance", "Vorzündung", "Avance", "Předstih"}},
    {Msg::MsgProgramCount,
     {"Number of Programing= ", "Programmierungsanzahl= ", "Nombre de programmations= ",
      "Počet programování= "}},
    {Msg::MsgMotorOff, {"Motor off", "Motor off", "Blocage", "Blokování"}},
    {Msg::MsgYes, {"YES", "JA", "Oui", "ANO"}},
    {Msg::MsgNo, {"NO", "NEIN", "Non", "NE"}},
    {Msg::MsgComOpenError,
     {"Com opening error!", "Falscher COM-Anschlußes!", "Erreur connections PC!",
      "Chyba při otevírání portu Com!"}},
    {Msg::MsgOpenFileError,
     {"Open file error!", "Fehler beim öffnen der Datei!", "Erreur ouvertur fichier!",
      "Chyba při otevírání souboru!"}},
    {Msg::MsgAskDefaults,
     {"Do you want default setting?", "Wollen Sie Standardeinstellungen öffnen?",
      "Voulez vous la programation de base?", "Chcete nastavit základní hodnoty?"}},
    {Msg::MsgOlderFile, {}},
    {Msg::MsgFileVersionMismatch,
     {"Unmatched version of *.ign file!", "Datendatei *.ign ist nicht kompatiebel!",
      "Programme du fichier non compatible avec programme PC!", "Neshodná verze souboru *.ign!"}},
    {Msg::MsgPrintDate,
     {"Date and time of printing:  ", "Zeitpunkt des Ausdruckes   ",
      "Date et heur de l´imprimé:   ", "Datum a čas tisku:  "}},
    {Msg::MsgManualOpenError, {}},
    // Padded to 40 characters so that a shorter text later written over it leaves nothing behind.
    {Msg::MsgPickupError,
     {"Pick up system error                    ", "Gebersystemehler                        ",
      "Pick up system error                    ", "Chyba v snímacím systému                "}},
    {Msg::MsgPickup, {"Pick-up (CKPS)", "Geber(CKPS)", "Capteur(CKPS)", "Snímač (CKPS)"}},
    {Msg::MsgRunning, {"is running", "läuft", " fonctionne", "pracuje"}},
    {Msg::MsgNoSignal, {"no signal", " kein Signal", " pas de signal", "bez signálu"}},
    {Msg::MsgServoMeasured,
     {"Servo measured=", "Servo gemessene=", "Servo measured=", "Servo měřené="}},
    {Msg::MsgServoDesired,
     {"Servo desired=", "Servo Sollspanung=", "Servo desired=", "Servo požadované="}},
    // The French text once read "ignition retard", the opposite of what the field is.
    {Msg::MsgShiftLight,
     {"Gear Shift Light", "Schaltblitz", "Voyant de changement de rapport", "Kontrolka řazení"}},
    {Msg::MsgClutchMaster, {"Clutch master", "Schaltautomat", "Clutch master", "Clutch master"}},
    {Msg::MsgInput, {"Input", "Eingang", "Entrée", "Vstup"}},
    {Msg::MsgKillSwitch, {"Kill switch", "Not Aus", "Interrupteur de sécurité", "Kill switch"}},
    {Msg::MsgInputOpen, {"Open", "Offen", "Open", "Otevřený"}},
    {Msg::MsgInputGrounded, {"Grounded", "zu Erde", "Grounded", "Uzeměn"}},
    {Msg::MsgNoParameterSet,
     {"The file holds no parameter set.", "Die Datei enthält keinen Parametersatz.",
      "Le fichier ne contient aucun jeu de paramètres.", "Soubor neobsahuje sadu parametrů."}},
    {Msg::MsgValuesLimited,
     {"Values outside their range were limited to it:",
      "Werte außerhalb ihres Bereichs wurden auf den Bereich begrenzt:",
      "Des valeurs hors limites ont été ramenées dans leurs limites :",
      "Hodnoty mimo rozsah byly omezeny na rozsah:"}},
    {Msg::MsgLastImageDamaged,
     {"The last parameter set was damaged; the start-up set is loaded.",
      "Der letzte Parametersatz war beschädigt; der Standardsatz ist geladen.",
      "Le dernier jeu de paramètres était endommagé ; le jeu de base est chargé.",
      "Poslední sada parametrů byla poškozena; je načtena výchozí sada."}},
    {Msg::MsgSettingsWriteError,
     {"The settings could not be written:", "Die Einstellungen konnten nicht gespeichert werden:",
      "Les réglages n'ont pas pu être enregistrés :", "Nastavení nelze uložit:"}},
    {Msg::MsgSaveSetElsewhere,
     {"Save the parameter set to a file before closing?",
      "Parametersatz vor dem Schließen in eine Datei speichern?",
      "Enregistrer le jeu de paramètres dans un fichier avant de fermer ?",
      "Uložit sadu parametrů do souboru před zavřením?"}},
    {Msg::MsgNoPrinter,
     {"No printer is installed.", "Es ist kein Drucker installiert.",
      "Aucune imprimante n'est installée.", "Není nainstalována žádná tiskárna."}},
    {Msg::MsgPrinterError,
     {"The printer reported an error; nothing was printed.",
      "Der Drucker hat einen Fehler gemeldet; es wurde nichts gedruckt.",
      "L'imprimante a signalé une erreur ; rien n'a été imprimé.",
      "Tiskárna ohlásila chybu; nic nebylo vytištěno."}},
    {Msg::MsgOfferPdf,
     {"Save the printout as a PDF file instead?",
      "Den Ausdruck stattdessen als PDF-Datei speichern?",
      "Enregistrer plutôt l'impression en fichier PDF ?",
      "Uložit tisk místo toho jako soubor PDF?"}},
    {Msg::MsgPdfWriteError,
     {"The PDF file could not be written:", "Die PDF-Datei konnte nicht geschrieben werden:",
      "Le fichier PDF n'a pas pu être écrit :", "Soubor PDF nelze zapsat:"}},
    {Msg::MsgLogOpenError,
     {"The log file could not be created:", "Die Protokolldatei konnte nicht angelegt werden:",
      "Le fichier journal n'a pas pu être créé :", "Soubor záznamu nelze vytvořit:"}},
    {Msg::MsgLogWriteError,
     {"Recording stopped, the log file could not be written:",
      "Aufzeichnung beendet, die Protokolldatei konnte nicht geschrieben werden:",
      "Enregistrement arrêté, le fichier journal n'a pas pu être écrit :",
      "Záznam ukončen, soubor záznamu nelze zapsat:"}},
    {Msg::MsgPasteRefused,
     {"The clipboard holds no table of numbers; nothing was pasted.",
      "Die Zwischenablage enthält keine Zahlentabelle; es wurde nichts eingefügt.",
      "Le presse-papiers ne contient pas de tableau de nombres ; rien n'a été collé.",
      "Schránka neobsahuje tabulku čísel; nic nebylo vloženo."}},
    {Msg::MsgSetCellsPrompt,
     {"Advance of the cells [°]:", "Frühzündung der Zellen [°]:", "Avance des cellules [°] :",
      "Předstih buněk [°]:"}},
    {Msg::MsgAddCellsPrompt,
     {"Degrees to add (negative: take off):", "Grad addieren (negativ: abziehen):",
      "Degrés à ajouter (négatif : retirer) :", "Přičíst stupňů (záporně: ubrat):"}},
    {Msg::MsgScaleCellsPrompt,
     {"Percent of the present advance:", "Prozent der jetzigen Frühzündung:",
      "Pourcentage de l'avance actuelle :", "Procenta současného předstihu:"}},
    {Msg::MsgChangedSinceProgramming,
     {"changed since programming", "seit der Programmierung geändert",
      "modifié depuis la programmation", "změněno od programování"}},
    {Msg::MsgBackupWriteError,
     {"The transfer is complete, but its backup could not be written:",
      "Die Übertragung ist abgeschlossen, aber ihre Sicherung konnte nicht geschrieben werden:",
      "Le transfert est terminé, mais sa sauvegarde n'a pas pu être écrite :",
      "Přenos je dokončen, ale jeho zálohu nelze zapsat:"}},
    {Msg::MsgCompareTitle,
     {"Compare with unit", "Mit dem Gerät vergleichen", "Comparer avec le boîtier",
      "Porovnat s jednotkou"}},
    {Msg::MsgCompareHeader,
     {"Differences (window -> unit):", "Unterschiede (Fenster -> Gerät):",
      "Différences (fenêtre -> boîtier) :", "Rozdíly (okno -> jednotka):"}},
    {Msg::MsgCompareSame,
     {"The unit holds the set shown in the window.", "Das Gerät enthält den angezeigten Satz.",
      "Le boîtier contient le jeu affiché dans la fenêtre.",
      "Jednotka obsahuje sadu zobrazenou v okně."}},
    {Msg::MsgCopy, {"Copy", "Kopieren", "Copier", "Kopírovat"}},
    {Msg::MsgVerifyErrorHint,
     {"The unit holds a different set: Tools > Compare with unit... lists what differs.",
      "Das Gerät enthält einen anderen Satz: Werkzeuge > Mit dem Gerät vergleichen... zeigt die "
      "Unterschiede.",
      "Le boîtier contient un autre jeu : Outils > Comparer avec le boîtier... liste les "
      "différences.",
      "Jednotka obsahuje jinou sadu: Nástroje > Porovnat s jednotkou... vypíše rozdíly."}},
};
static_assert(std::size(kMessages) == kMsgCount);

constexpr bool InKeyOrder() {
    for (std::size_t i = 0; i < kMsgCount; ++i) {
        if (static_cast<std::size_t>(kMessages[i].key) != i) return false;
    }
    return true;
}
static_assert(InKeyOrder(), "the message table is indexed by key");

constexpr const Texts* MessageStem(Msg key) {
    return &kMessages[static_cast<std::size_t>(key)].texts;
}

constexpr Texts kOlderFileLines[3] = {
    {"Older version of *.ign file!", "Älter Version von Datendatei *.ign!",
     "Older version of *.ign file!", "Starší verze souboru *.ign!"},
    {"Some parameters won't be changed or will be set to default value.",
     "Einige Kenndaten werden nicht geändert oder werden implizit Wert gestellt.",
     "Some parameters won't be changed or will be set to default value.",
     "Některé parametry budou nezměněny nebo nataveny na základní hodnotu."},
    {"They are parameters which are not in older version or have another structure.",
     "Sie sind die Kenndaten, die in älter Version nicht sind oder andere Struktur haben",
     "They are parameters which are not in older version or have another structure.",
     "Jsou to parametry, které v této verzi nebyly obsaženy nebo měly jinou strukturu."},
};

constexpr Texts kManualOpenErrorPrefix = {"Error by opening file ", "Fehler beim öffnen der Datei ",
                                          "Erreur à l´ouvertur du Fichier ",
                                          "Chyba při otevírání souboru "};

// The hints of the four language items are each in their own language, whatever is current.
constexpr ControlText kLanguageMenu[] = {
    {"MenuLanguage", P::Caption, 0, {"&Language", "&Sprache", "&Langue", "&Jazyk"}},
    {"MenuEnglish", P::Caption, 0, {"&English", "Englisch", "&Englais", "&Anglicky"}},
    {"MenuCzech", P::Caption, 0, {"&Czech", "&Tschechisch", "&Tchèque", "Če&sky"}},
    {"MenuGerman", P::Caption, 0, {"&German", "&Deutsch", "&Allemand", "&Německy"}},
    {"MenuFrench", P::Caption, 0, {"&French", "&Französisch", "&Francais", "Francouzky"}},
    {"MenuLanguage",
     P::Hint,
     0,
     {"Set English or German or French or Czech ",
      "wählen sie Englisch, Deutsch, Französisch oder Tschechisch ",
      "Installer lange; Englais,Allemand , Francais ou Czech",
      "Nastavení jazyka na angličtinu, němčinu, francozštinu nebo češtinu "}},
    {"MenuEnglish",
     P::Hint,
     0,
     {"Set English menu", "Set English menu", "Set English menu", "Set English menu"}},
    {"MenuGerman",
     P::Hint,
     0,
     {"Deutsches Menü", "Deutsches Menü", "Deutsches Menü", "Deutsches Menü"}},
    {"MenuFrench",
     P::Hint,
     0,
     {"Installer en Francais ", "Installer en Francais ", "Installer en Francais ",
      "Installer en Francais "}},
    {"MenuCzech",
     P::Hint,
     0,
     {"Nastavit české menu", "Nastavit české menu", "Nastavit české menu", "Nastavit české menu"}},
};

// clang-format off
constexpr ControlText kOtherControls[] = {
    {"LabelSpojeni", P::Caption, 0, {"No connection with PC", "Keine Verbindung mit dem PC", "Pas de connexion avec le PC", "Není spojení s PC"}},
    {"MenuFile", P::Caption, 0, {"&File", "&Datei", "&Fichier", "&Soubor"}},
    {"MenuNew", P::Caption, 0, {"&New", "&Neu", "&Nouveau", "&Nový"}},
    {"MenuOpen", P::Caption, 0, {"&Open", "Ö&ffnen", "&Ouvrir", "&Otevřít"}},
    {"MenuOpenExeDir", P::Caption, 0, {"Open from exe dir", "Öffnen aus Programmverzeichnis", "Ouvrir du répertoire du programme", "Otevřít z adresáře programu"}},
    {"MenuSave", P::Caption, 0, {"&Save", "&Speichern", "&Enregistrer", "&Uložit"}},
    {"MenuSaveExeDir", P::Caption, 0, {"Save to exe dir", "Speichern ins Programmverzeichnis", "Enregistrer dans le répertoire du programme", "Uložit do adresáře programu"}},
    {"MenuPrint", P::Caption, 0, {"&Print", "D&rucken", "&Imprimer", "&Tisk"}},
    {"MenuPrintAll", P::Caption, 0, {"Print all", "Alles drucken", "Tout imprimer", "Tisk všeho"}},
    {"MenuSavePdf", P::Caption, 0, {"Save as PDF...", "Als PDF speichern...", "Enregistrer en PDF...", "Uložit jako PDF..."}},
    {"MenuOpenBackup", P::Caption, 0, {"Open backup...", "Sicherung öffnen...", "Ouvrir une sauvegarde...", "Otevřít zálohu..."}},
    {"MenuExit", P::Caption, 0, {"E&xit", "&Beenden", "&Quitter", "&Konec"}},
    {"MenuCom", P::Caption, 0, {"&Com", "&Com", "&Com", "&Com"}},
    {"MenuDevice", P::Caption, 0, {"&Ignition", "&Zündung", "&Allumage", "&Zapalování"}},
    {"MenuRead", P::Caption, 0, {"&Read", "&Lesen", "&Lire", "&Načíst"}},
    {"ButtonRead", P::Caption, 0, {"&Read", "&Lesen", "&Lire", "&Načíst"}},
    {"MenuVerify", P::Caption, 0, {"&Verify", "&Vergleichen", "&Vérifier", "&Verifikovat"}},
    {"BitBtnVerify", P::Caption, 0, {"&Verify", "&Vergleichen", "&Vérifier", "&Verifikovat"}},
    {"MenuProgram", P::Caption, 0, {"&Program", "&Programmieren", "&Programmer", "&Programovat"}},
    {"BitBtnProgram", P::Caption, 0, {"&Program", "&Programmieren", "&Programmer", "&Programovat"}},
    {"MenuTools", P::Caption, 0, {"Tools", "Werkzeuge", "Outils", "Nástroje"}},
    {"AdvanceMinus", P::Caption, 0, {"Advance -", "Vorzündung -", "Avance -", "Předstih -"}},
    {"AdvancePlus", P::Caption, 0, {"Advance +", "Vorzündung +", "Avance +", "Předstih +"}},
    {"MenuRecordLog", P::Caption, 0, {"Record live data...", "Live-Daten aufzeichnen...", "Enregistrer les données en direct...", "Zaznamenávat živá data..."}},
    {"MenuStopLog", P::Caption, 0, {"Stop recording", "Aufzeichnung beenden", "Arrêter l'enregistrement", "Ukončit záznam"}},
    {"MenuHelp", P::Caption, 0, {"&Help", "&Hilfe", "&Aide", "&Nápověda"}},
    {"MenuContens", P::Caption, 0, {"&Contents...", "&Inhalt...", "&Sommaire...", "&Obsah..."}},
    {"MenuAbout", P::Caption, 0, {"&About...", "Ü&ber...", "À &propos...", "&O programu..."}},
    {"TabSheetRuzne", P::Caption, 0, {"Miscellaneous", "Verschiedenes", "Divers", "Různé"}},
    {"TabSheetBike", P::Caption, 0, {"Bike", "Motorrad", "Moto", "Motocykl"}},
    {"TabSheetAdvance", P::Caption, 0, {"Advance Map", "Vorzündungskennfeld", "Cartographie d'avance", "Mapa předstihu"}},
    {"TabSheetServo", P::Caption, 0, {"Servo", "Servo", "Servo", "Servo"}},
    {"GroupBoxPrivera", P::Caption, 0, {"Servo", "Servo", "Servo", "Servo"}},
    {"LabelBike", P::Caption, 0, {"Motorbike type", "Motorradtyp", "Type de moto", "Typ motocyklu"}},
    {"GroupBoxSpecial", P::Caption, 0, {"Specification of synchronization - Caution - For experienced user only!", "Festlegung der Synchronisation - Achtung - Nur für erfahrene Benutzer!", "Définition de la synchronisation - Attention - Réservé aux utilisateurs expérimentés!", "Nastavení synchronizace - Pozor - Jen pro zkušené uživatele!"}},
    {"LabelSynchro", P::Caption, 0, {"Synchronization method", "Synchronisationsart", "Méthode de synchronisation", "Způsob synchronizace"}},
    {"LabelPocPalcu", P::Caption, 0, {"Number of lobe at rotor", "Anzahl der Leitstücke am Rotor", "Nombre de lobes sur le rotor", "Počet výstupků na rotoru"}},
    {"LabelPocKanalu", P::Caption, 0, {"Number of outputs (coils)", "Anzahl der Ausgänge (Zündspulen)", "Nombre de sorties (bobines)", "Počet výstupů (cívek)"}},
    {"LabelPalec1Zac", P::Caption, 0, {"Maximum advance", "Maximale Vorzündung", "Avance maximale", "Maximální předstih"}},
    {"LabelPalec2Zac", P::Caption, 0, {"Maximum advance", "Maximale Vorzündung", "Avance maximale", "Maximální předstih"}},
    {"LabelPalec3Zac", P::Caption, 0, {"Maximum advance", "Maximale Vorzündung", "Avance maximale", "Maximální předstih"}},
    {"LabelPalec4Zac", P::Caption, 0, {"Maximum advance", "Maximale Vorzündung", "Avance maximale", "Maximální předstih"}},
    {"LabelPalec1End", P::Caption, 0, {"Start advance", "Startvorzündung", "Avance au démarrage", "Předstih při startu"}},
    {"LabelPalec2End", P::Caption, 0, {"Start advance", "Startvorzündung", "Avance au démarrage", "Předstih při startu"}},
    {"LabelPalec3End", P::Caption, 0, {"Start advance", "Startvorzündung", "Avance au démarrage", "Předstih při startu"}},
    {"LabelPalec4End", P::Caption, 0, {"Start advance", "Startvorzündung", "Avance au démarrage", "Předstih při startu"}},
    {"LabelLobe", P::Caption, 0, {"Lobe", "Leitstück", "Lobe", "Výstupek"}},
    {"LabelHrana2", P::Caption, 0, {"2nd Edge", "2. Flanke", "2e front", "2. hrana"}},
    {"LabelSnimac2", P::Caption, 0, {"2nd Pick-up", "2. Geber", "2e capteur", "2. snímač"}},
    {"LabelPocSynchro", P::Caption, 0, {"Revolutions without ignition", "Umdrehungen ohne Zündung", "Tours sans allumage", "Otáčky bez zápalu"}},
    {"CheckBoxZamenaPickup", P::Caption, 0, {"Pickups interchange (pin 9 a 20)", "Geber vertauscht (Pin 9 und 20)", "Capteurs inversés (broches 9 et 20)", "Záměna snímačů (pin 9 a 20)"}},
    {"CheckBoxNehlidaPalec", P::Caption, 0, {"No lobe lenght check", "Keine Prüfung der Leitstücklänge", "Pas de contrôle de longueur du lobe", "Nehlídat délku výstupku"}},
    {"CheckBoxPredPalec", P::Caption, 0, {"Spark posible before lobe", "Zündfunke vor dem Leitstück möglich", "Étincelle possible avant le lobe", "Jiskra možná před výstupkem"}},
    {"CheckBoxSpecStart", P::Caption, 0, {"Lower advance by start", "Weniger Vorzündung beim Start", "Avance réduite au démarrage", "Nižší předstih při startu"}},
    {"LabelKompenz", P::Caption, 0, {"Compensation ", "Kompensation ", "Compensation ", "Kompenzace "}},
    {"GroupBoxRpm", P::Caption, 0, {"Tachometer output", "Drehzahlmesserausgang", "Sortie compte-tours", "Výstup otáčkoměru"}},
    {"LabelRpmPulsu", P::Caption, 0, {"Pulses per revolution", "Impulse pro Umdrehung", "Impulsions par tour", "Pulzů na otáčku"}},
    {"LabelRpmKorekce", P::Caption, 0, {"Correction [%]", "Korrektur [%]", "Correction [%]", "Korekce [%]"}},
    {"CheckBoxBuzDlouhe", P::Caption, 0, {"Excitation Long", "Lange Schließzeit", "Excitation longue", "Dlouhé buzení"}},
    {"LabelServoHyster", P::Caption, 0, {"Servo Hysteresis [mV]", "Servo Hysterese [mV]", "Hystérésis servo [mV]", "Hystereze serva [mV]"}},
    {"CheckBoxPrivEnable", P::Caption, 0, {"Servo enable", "Servo aktiv", "Servo actif", "Servo zapnuto"}},
    {"CheckBoxIgnAll", P::Caption, 0, {"Select/All", "Alles markieren", "Tout sélectionner", "Vybrat vše"}},
    {"Interpolation", P::Caption, 0, {"Interpolation", "Interpolation", "Interpolation", "Interpolace"}},
    {"AMapForm", P::Caption, 0, {"Map", "Kennfeld", "Carte", "Mapa"}},
    {"AMapModeGraph", P::Caption, 0, {"2D", "2D", "2D", "2D"}},
    {"AMapModeGraph3D", P::Caption, 0, {"3D", "3D", "3D", "3D"}},
    {"A3DviewISO", P::Caption, 0, {"ISO", "ISO", "ISO", "ISO"}},
    {"A3DviewTOP", P::Caption, 0, {"TOP", "OBEN", "DESSUS", "SHORA"}},
    {"CheckBoxServoAll", P::Caption, 0, {"All", "Alle", "Tous", "Vše"}},
    {"CheckBoxProgHned", P::Caption, 0, {"Programming after change", "Programmieren nach Änderung", "Programmer après modification", "Programovat po změně"}},
    {"LabelAdvance1", P::Caption, 0, {"Advance [°]", "Vorzündung [°]", "Avance [°]", "Předstih [°]"}},
    {"LabelAdvance2", P::Caption, 0, {"Advance [°]", "Vorzündung [°]", "Avance [°]", "Předstih [°]"}},
    {"LabelOmez2", P::Caption, 0, {"Limiter [rpm]", "Drehzahlbegrenzer [rpm]", "Limiteur [rpm]", "Omezovač [rpm]"}},
    {"LabelClutchTime", P::Caption, 0, {"Clutch master time [ms]", "Schaltautomat Zeit [ms]", "Durée clutch master [ms]", "Doba clutch master [ms]"}},
    {"LabelClutchPause", P::Caption, 0, {"Clutch master pause [ms]", "Schaltautomat Pause [ms]", "Pause clutch master [ms]", "Pauza clutch master [ms]"}},
    {"LabelBaseAdv", P::Caption, 0, {"Base advance [°]", "Grundvorzündung [°]", "Avance de base [°]", "Základní předstih [°]"}},
    {"LabelRpm1", P::Hint, 0, {"Round per Minute|Speed - Round per Minute", "Umdrehungen pro Minute", "Tours par minute", "Otáčky za minutu|Otáčky motoru za minutu"}},
    {"LabelVerze1", P::Hint, 0, {"Version of program in ignition", "Programmversion der Zündung", "Version du programme du boîtier d'allumage", "Verze programu v zapalování"}},
    {"LabelVerze2", P::Hint, 0, {"Date of program in ignition", "Programmdatum der Zündung", "Date du programme du boîtier d'allumage", "Datum programu v zapalování"}},
    {"LabelVerze3", P::Hint, 0, {"Time of program in ignition", "Programmzeit der Zündung", "Heure du programme du boîtier d'allumage", "Čas programu v zapalování"}},
    {"SpeedButtonOpen", P::Hint, 0, {"Open file with parametrs", "Datei mit Kenndaten öffnen", "Ouvrir un fichier de paramètres", "Otevřít soubor s parametry"}},
    {"MenuOpen", P::Hint, 0, {"Open file with parametrs", "Datei mit Kenndaten öffnen", "Ouvrir un fichier de paramètres", "Otevřít soubor s parametry"}},
    {"SpeedButton6", P::Hint, 0, {"Set default parametrs", "Standardeinstellungen setzen", "Programmation de base", "Nastavit základní parametry"}},
    {"SpeedButtonSave", P::Hint, 0, {"Save parametrs to file", "Kenndaten in Datei speichern", "Enregistrer les paramètres dans un fichier", "Uložit parametry do souboru"}},
    {"MenuSave", P::Hint, 0, {"Save parametrs to file", "Kenndaten in Datei speichern", "Enregistrer les paramètres dans un fichier", "Uložit parametry do souboru"}},
    {"SpeedButtonPrint", P::Hint, 0, {"Print parametrs", "Kenndaten drucken", "Imprimer les paramètres", "Tisk parametrů"}},
    {"MenuPrint", P::Hint, 0, {"Print parametrs", "Kenndaten drucken", "Imprimer les paramètres", "Tisk parametrů"}},
    {"MenuRecordLog", P::Hint, 0, {"Write every monitoring reading to a CSV file while the unit answers", "Jeden Messwert der Überwachung in eine CSV-Datei schreiben, solange die Zündung antwortet", "Écrire chaque mesure de la surveillance dans un fichier CSV tant que le boîtier répond", "Zapisovat každé měření monitoru do souboru CSV, dokud zapalování odpovídá"}},
    {"MenuSavePdf", P::Hint, 0, {"Save the shown page as a PDF file (with Shift: all four pages)", "Die angezeigte Seite als PDF-Datei speichern (mit Umschalt: alle vier Seiten)", "Enregistrer la page affichée en fichier PDF (avec Maj : les quatre pages)", "Uložit zobrazenou stránku jako soubor PDF (se Shift: všechny čtyři stránky)"}},
    {"MenuOpenBackup", P::Hint, 0, {"Open a set read from or programmed into a unit (the automatic backups)", "Einen aus einem Gerät gelesenen oder in ein Gerät programmierten Satz öffnen (die automatischen Sicherungen)", "Ouvrir un jeu lu dans un boîtier ou programmé dans un boîtier (les sauvegardes automatiques)", "Otevřít sadu přečtenou z jednotky nebo do ní naprogramovanou (automatické zálohy)"}},
    {"BitBtnProgram", P::Hint, 0, {"Programing  set parametrs to ignition", "Eingestellte Kenndaten in die Zündung programmieren", "Programmer les paramètres dans le boîtier d'allumage", "Naprogramovat nastavené parametry do zapalování"}},
    {"MenuProgram", P::Hint, 0, {"Programing  set parametrs to ignition", "Eingestellte Kenndaten in die Zündung programmieren", "Programmer les paramètres dans le boîtier d'allumage", "Naprogramovat nastavené parametry do zapalování"}},
    {"BitBtnVerify", P::Hint, 0, {"Compare set parametrs  with parametrs of ignition", "Eingestellte Kenndaten mit denen der Zündung vergleichen", "Comparer les paramètres avec ceux du boîtier d'allumage", "Porovnat nastavené parametry s parametry zapalování"}},
    {"MenuVerify", P::Hint, 0, {"Compare set parametrs  with parametrs of ignition", "Eingestellte Kenndaten mit denen der Zündung vergleichen", "Comparer les paramètres avec ceux du boîtier d'allumage", "Porovnat nastavené parametry s parametry zapalování"}},
    {"BitBtnAdvMinus", P::Hint, 0, {"Take off 1 degree of Advance", "Vorzündung um 1 Grad verringern", "Diminuer l'avance de 1 degré", "Ubrat 1 stupeň předstihu"}},
    {"BitBtnAdvPlus", P::Hint, 0, {"Add 1 degree of Advance", "Vorzündung um 1 Grad erhöhen", "Augmenter l'avance de 1 degré", "Přidat 1 stupeň předstihu"}},
    {"ButtonRead", P::Hint, 0, {"Reading parametrs from ignition", "Kenndaten aus der Zündung lesen", "Lire les paramètres du boîtier d'allumage", "Načíst parametry ze zapalování"}},
    {"MenuCompare", P::Hint, 0, {"Read the unit's set without changing the window's and list every difference", "Den Satz des Geräts lesen, ohne den des Fensters zu ändern, und jeden Unterschied zeigen", "Lire le jeu du boîtier sans changer celui de la fenêtre et lister chaque différence", "Načíst sadu jednotky beze změny sady v okně a vypsat každý rozdíl"}},
    {"MenuRead", P::Hint, 0, {"Reading parametrs from ignition", "Kenndaten aus der Zündung lesen", "Lire les paramètres du boîtier d'allumage", "Načíst parametry ze zapalování"}},
    {"MenuNew", P::Hint, 0, {"Set default parameters ", "Standardeinstellungen setzen", "Programmation de base", "Nastavit základní parametry"}},
    {"MenuExit", P::Hint, 0, {"End of program", "Programm beenden", "Quitter le programme", "Ukončit program"}},
    {"CheckBoxProgHned", P::Hint, 0, {"Programing at once after change", "Sofort nach jeder Änderung programmieren", "Programmer immédiatement après chaque modification", "Programovat ihned po každé změně"}},
    {"MenuCom", P::Hint, 0, {"Set number of com", "COM-Anschluss wählen", "Choisir le port COM", "Nastavit číslo portu Com"}},
    {"CheckBoxInNeutralSs", P::Caption, 0, {"Inputs for neutral side and stand", "Eingänge für Leerlauf und Seitenständer", "Entrées pour point mort et béquille latérale", "Vstupy pro neutrál a boční stojan"}},
    {"MenuZpet", P::Caption, 0, {"Undo", "Rückgängig", "Annuler", "Zpět"}},
    {"MenuZnovu", P::Caption, 0, {"Redo", "Wiederholen", "Rétablir", "Znovu"}},
    {"MenuCopyCells", P::Caption, 0, {"Copy cells", "Zellen kopieren", "Copier les cellules", "Kopírovat buňky"}},
    {"MenuPasteCells", P::Caption, 0, {"Paste cells", "Zellen einfügen", "Coller les cellules", "Vložit buňky"}},
    {"MenuSetCells", P::Caption, 0, {"Set to...", "Setzen auf...", "Fixer à...", "Nastavit na..."}},
    {"MenuAddCells", P::Caption, 0, {"Add...", "Addieren...", "Ajouter...", "Přičíst..."}},
    {"MenuScaleCells", P::Caption, 0, {"Scale %...", "Skalieren %...", "Échelle %...", "Změnit v %..."}},
    {"MenuSmoothCells", P::Caption, 0, {"Smooth", "Glätten", "Lisser", "Vyhladit"}},
    {"MenuInterpolation", P::Caption, 0, {"Interpolation", "Interpolation", "Interpolation", "Interpolace"}},
    {"MenuSelectAll", P::Caption, 0, {"Select all", "Alles auswählen", "Tout sélectionner", "Vybrat vše"}},
    {"MenuClearSelection", P::Caption, 0, {"Clear selection", "Auswahl aufheben", "Effacer la sélection", "Zrušit výběr"}},
    {"MenuCompare", P::Caption, 0, {"Compare with unit...", "Mit dem Gerät vergleichen...", "Comparer avec le boîtier...", "Porovnat s jednotkou..."}},
};

// Entries not listed keep their fixed text in every language: the bike models by name and
// synchronisation method 7, "Harley". Bike entry 37 does not exist until it is first applied.
constexpr ControlText kListEntries[] = {
    {"ComboBoxBike", P::ListEntry, 0, {"3 Cylinder, 1 pickup", "3 Zylinder   1 Geber", "3 cylindre 1 pick-up ", "3 válce 1 snimač"}},
    {"ComboBoxBike", P::ListEntry, 15, {"Classic (1 lobe, 1 or 2 pick-up) ", "Klassisch (1 Leitst. 1 od. 2 Geber)", "Classique (1 lobe, 1 or 2 pick-up) ", "Klasika (1 výstupek, 1 nebo 2 snimače)"}},
    {"ComboBoxBike", P::ListEntry, 16, {"Classic (2 lobe per revolution, 1 or 2 pick-up)", "Klassisch (2 Leitst. pro Umdreh. 1 od. 2 Geber)", "Classic (2 lobe per revolution, 1 or 2 pick-up)", "Klasika (2 výstupek za otáčku, 1 n 2 snimače)"}},
    {"ComboBoxBike", P::ListEntry, 17, {"Classic (3 lobe per revolution, 1 pick-up)", "Klassisch (3 Leitst. pro Umdreh. 1 Geber)", "Classic (3 lobe per revolution, 1 pick-up)", "Klasika (3 výstupky za otáčku, 1 snimač)"}},
    {"ComboBoxBike", P::ListEntry, 18, {"Classic (1 lobe per 2 rev. (CMPS),1 or 2 pick-up)", "Klassisch (1 L. pro 2 Um. (CMPS) 1 od. 2 Geber)", "Classic (1 lobe per 2 rev. (CMPS),1 or 2 pick-up)", "Klasika (1 výst. za 2 ot. (vačka), 1 n 2 snimače)"}},
    {"ComboBoxBike", P::ListEntry, 36, {"3 Cylinder, 1 pickup - kick start", "3 Zylinder   1 Geber - Kickstarter", "3 cylindre 1 pick-up -  - kick start", "3 válce 1 snimač - start našlápnutím"}},
    {"ComboBoxBike", P::ListEntry, 37, {"Special setting", "Sonderstellung", "Spécial ajustage", "Speciální nastavení"}},
    {"ComboBoxSynchro", P::ListEntry, 0, {"1 lobe, 1 or 2 pick-up", "1 Leitstück, 1 oder 2 Geber", "1 lobe, 1 or 2 pick-up", "1 výstupek, 1 nebo 2 snimače"}},
    {"ComboBoxSynchro", P::ListEntry, 1, {"Short gap between lobes (inserted lobe)", "Kurz Abstand zwischen Leitstücken (eingeschiebe Leitstück)", "Short gap between lobes (inserted lobe)", "Krátká mezera mezi výstupky (vsunutý výstupek)"}},
    {"ComboBoxSynchro", P::ListEntry, 2, {"Wide lobe", "Längere Leitstück", "Wide lobe", "Široký výstupek"}},
    {"ComboBoxSynchro", P::ListEntry, 3, {"Long gap between lobes (missing lobe)", "Lang Abstand zwischen Leitstücken (ausgelassene Leitstück)", "Long gap between lobes (missing lobe)", "Dlouhá mezera mezi výstupky (vynechaný výstupek)"}},
    {"ComboBoxSynchro", P::ListEntry, 4, {"2 pick-ups, missing lobe", "2 Geber, ausgelassene Leitstück", "2 pick-ups, missing lobe", "2 snímače vynechané výstupky"}},
    {"ComboBoxSynchro", P::ListEntry, 5, {"2 Short gaps between lobes (inserted lobe)", "2 Kurze Abstände zwischen Leitstücken (eingeschiebe Leitstück)", "2 short gaps between lobes (inserted lobe)", "2 krátké mezery mezi výstupky (vsunutý výstupek)"}},
    {"ComboBoxSynchro", P::ListEntry, 6, {"Cam (CMPS)", "Steuernocken (CMPS)", "Cam (CMPS)", "Vačka (CMPS)"}},
    {"ComboBoxSynchro", P::ListEntry, 8, {"Long gap between lobes - more lobes (48-2)", "Lang Abstand zwischen Leitstücken - mehr Leitstücke (48-2)", "Long gap between lobes - more lobes (48-2)", "Dlouhá mezera mezi výstupky - více výstupků (48-2)"}},
    {"ComboBoxSynchro", P::ListEntry, 9, {"Special for more pickups", "Spezial für mehr Geber", "Special for more pickups", "speciál pro více snimačů"}},
    {"ComboBoxSynchro", P::ListEntry, 10, {"Inserted lobe - kick start", "Eingeschiebe Leitstück - Kickstarter", "Inserted lobe - kick start", "Vsunutý výstupek - kick start - start našlápnutím"}},
    {"ComboBoxSynchro", P::ListEntry, 11, {"Honda Cam (CMPS)", "Honda Steuernocken (CMPS)", "Honda Cam (CMPS)", "Vačka Honda (CMPS)"}},
    {"ComboBoxSynchro", P::ListEntry, 12, {"Long gap between lobes + Cam (CMPS)", "Lang Abstand zwischen Leitstücken + Steuernocken(CMPS)", "Long gap between lobes + Cam (CMPS)", "Dlouhá mezera mezi výstupky + Vačka (CMPS)"}},
    {"ComboBoxNasobekPalcu", P::ListEntry, 0, {"1 ignition per revolution", "1 Zündung pro Umdrehung", "1 ignition per revolution", "1 zápal za otáčku"}},
    {"ComboBoxNasobekPalcu", P::ListEntry, 1, {"2 ignitions per revolution", "2 Zündungen pro Umdrehung", "2 ignitions per revolution", "2 zápaly za otáčku"}},
    {"ComboBoxNasobekPalcu", P::ListEntry, 2, {"3 ignitions per revolution", "3 Zündungen pro Umdrehung", "3 ignitions per revolution", "3 zápaly za otáčku"}},
    {"ComboBoxNasobekPalcu", P::ListEntry, 3, {"4 ignitions per revolution", "4 Zündungen pro Umdrehung", "4 ignitions per revolution", "4 zápaly za otáčku"}},
    {"ComboBoxNasobekPalcu", P::ListEntry, 4, {"1 ignition per 2 revolutions (camshaft)", "1 Zündung pro 2 Umdrehungen (Nockenwelle)", "1 ignition per 2 revolutions (camshaft)", "1 zápal za 2 otáčky (vačkový hřídel)"}},
    {"RadioGroupInput1", P::ItemList, 0, {"Off", "Aus", "Off", "Vypnut"}},
    {"RadioGroupInput1", P::ItemList, 1, {"Kill switch", "Not Aus", "Interrupteur de sécurité", "Kill switch"}},
    {"RadioGroupInput1", P::ItemList, 2, {"Blocking", "Blockierung", "Blocage", "Blokování"}},
    {"RadioGroupInput2", P::ItemList, 0, {"Off", "Aus", "Off", "Vypnut"}},
    {"RadioGroupInput2", P::ItemList, 1, {"Kill switch", "Not Aus", "Interrupteur de sécurité", "Kill switch"}},
    {"RadioGroupInput2", P::ItemList, 2, {"Blocking", "Blockierung", "Blocage", "Blokování"}},
    {"RadioGroupInput2", P::ItemList, 3, {"Clutch master", "Schaltautomat", "par embeillage", "Clutch master"}},
    {"RadioGroupInput2", P::ItemList, 4, {"Clutch master inv. input", "Schaltautomat inv. Eingang", "par embeillage inv.", "Clutch master inv. vstup"}},
};
// clang-format on

constexpr bool ItemListsFit() {
    std::size_t run = 0;
    for (std::size_t i = 0; i < std::size(kListEntries); ++i) {
        const ControlText& t = kListEntries[i];
        const bool continues = i > 0 && kListEntries[i - 1].property == P::ItemList &&
                               kListEntries[i - 1].control == t.control;
        run = t.property != P::ItemList ? 0 : continues ? run + 1 : 1;
        if (run > kMaxItemListLength || (t.property == P::ItemList && t.entry != int(run) - 1)) {
            return false;
        }
    }
    return true;
}
static_assert(ItemListsFit(), "a radio group's items stand together, in order, at most five");

constexpr Texts kChannelStem = {"Channel", "Kanal", "Channel", "Kanál"};
constexpr Texts kInversePolarityStem = {"Inverse polarity of pick-up", "Umgekehrte Gebereingang",
                                        "Inverse polarity of pick-up", "Opačná polarita snímače"};

constexpr ComposedCaption kComposed[] = {
    {"GroupBoxPalec1", &kChannelStem, " 1"},
    {"GroupBoxPalec2", &kChannelStem, " 2"},
    {"GroupBoxPalec3", &kChannelStem, " 3"},
    {"GroupBoxPalec4", &kChannelStem, " 4"},
    {"CheckBoxInvInput1", &kInversePolarityStem, " 1"},
    {"CheckBoxInvInput2", &kInversePolarityStem, " 2"},
    {"LabelPilotLight", MessageStem(Msg::MsgShiftLight), " [rpm]"},
    {"RadioGroupInput1", MessageStem(Msg::MsgInput), " 1"},
    {"RadioGroupInput2", MessageStem(Msg::MsgInput), " 2"},
};

constexpr Placeholder kPlaceholders[] = {
    {"LabelAdvance1", Msg::MsgAdvance, " 1 = --- [°]"},
    {"LabelAdvance2", Msg::MsgAdvance, " 2 = --- [°]"},
    {"LabelAdvance3", Msg::MsgAdvance, " 3 = --- [°]"},
    {"LabelAdvance4", Msg::MsgAdvance, " 4 = --- [°]"},
    {"LabelPocetProgramovani", Msg::MsgProgramCount, "---"},
    {"LabelMonSnimac1", Msg::MsgPickup, " 1 = ---"},
    {"LabelMonSnimac2", Msg::MsgPickup, " 2 = ---"},
    {"LabelPriveraPoz", Msg::MsgServoDesired, " ---"},
    {"LabelPriveraMer", Msg::MsgServoMeasured, " ---"},
    {"LabelMonPilotLight", Msg::MsgShiftLight, " - ---"},
    {"LabelBlocking1", Msg::MsgMotorOff, " - ---"},
    {"LabelClutchMon", Msg::MsgClutchMaster, " - ---"},
    {"LabelMonInput1In", Msg::MsgInput, " 1: ---"},
    {"LabelMonInput2In", Msg::MsgInput, " 2: ---"},
    {"LabelKillSwitch", Msg::MsgKillSwitch, ": ---"},
};

constexpr Texts kAboutTitles = {"About ORVELL", "Über Programm ORVELL", "Information ORVELL",
                                "O programu ORVELL"};

constexpr std::string_view kLanguageArguments[kLanguageCount] = {"ENGLISH", "DEUTSCH", "FRANCE",
                                                                 "CESKY"};

}  // namespace

std::span<const MessageText> MessageCatalogue() {
    return kMessages;
}
std::span<const Texts, 3> OlderFileLines() {
    return kOlderFileLines;
}
const Texts& ManualOpenErrorPrefix() {
    return kManualOpenErrorPrefix;
}
std::span<const ControlText> LanguageMenuTexts() {
    return kLanguageMenu;
}
std::span<const ControlText> OtherControlTexts() {
    return kOtherControls;
}
std::span<const ControlText> ListEntryTexts() {
    return kListEntries;
}
std::span<const ComposedCaption> ComposedCaptions() {
    return kComposed;
}
std::span<const Placeholder> Placeholders() {
    return kPlaceholders;
}

const ControlText* FindControlText(std::string_view control, Property property, int entry) {
    for (std::span<const ControlText> table :
         {LanguageMenuTexts(), OtherControlTexts(), ListEntryTexts()}) {
        for (const ControlText& t : table) {
            if (t.control == control && t.property == property && t.entry == entry) return &t;
        }
    }
    return nullptr;
}

std::string MainWindowTitle(std::string_view currentFileName) {
    std::string title((*MessageStem(Msg::TitlePrefix))[kEnglish]);  // the same in every language
    title += "       ";
    title += currentFileName;
    return title;
}

std::string_view AboutTitle(int language) {
    return kAboutTitles[ValidLanguage(language)];
}

std::optional<int> LanguageFromArgument(std::string_view argument) {
    for (int i = 0; i < kLanguageCount; ++i) {
        if (argument == kLanguageArguments[i]) return i;
    }
    return std::nullopt;
}

}  // namespace orvell

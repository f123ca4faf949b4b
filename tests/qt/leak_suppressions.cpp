// Fontconfig keeps a few caches for the life of the process, which the leak checker of the
// sanitizer build reports at exit. They are not ours and not growing; everything else is checked.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

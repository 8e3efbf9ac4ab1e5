namespace lumenscribe { int namingPlaceholder() { return 0; } }

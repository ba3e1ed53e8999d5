// Builds the precompiled header of the tests that start a QApplication (see
// glimbles_add_test in tests/CMakeLists.txt), which they all reuse; the
// program itself does nothing.
int main() { return 0; }

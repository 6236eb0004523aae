#include <QtQuickTest>

// Runs the tst_*.qml cases of this directory against the window's JavaScript libraries.
QUICK_TEST_MAIN(qml_logic)

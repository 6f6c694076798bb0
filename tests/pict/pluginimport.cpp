#include <QtPlugin>

// The test links the PICT plugin on its own, so it imports it as the program does.
Q_IMPORT_PLUGIN(PictPlugin)

// The programs' pictures, opened once a run each and shown from where they lie in the program.
#pragma once

#include <QPixmap>

// The picture at a resource path (null for none or an unreadable one). A picture embedded
// uncompressed in the form of platform/Dib.h is shown from the program's own bytes; any other
// is decoded once. Later calls for the same path return the same pixmap.
QPixmap picture(const char* path);

#pragma once
// The program's pictures: JPEG files built into the program under ":/art/"
// (splash, main, about, icon, strip_1 to strip_4), decoded by the JPEG image
// plugin. A picture that cannot be decoded gives a null pixmap.
#include <QPixmap>
#include <QString>

// Makes the built-in pictures reachable; called by artPicture and at start-up.
void initArtResources();
// The picture ":/art/<name>.jpg".
QPixmap artPicture(const QString &name);

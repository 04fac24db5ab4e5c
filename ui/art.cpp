#include "ui/art.h"

#include <QtGlobal>

// Outside any namespace, as the resource initialiser requires.
static void initArt() { Q_INIT_RESOURCE(art); }

void initArtResources()
{
    static const bool once = (initArt(), true);
    Q_UNUSED(once);
}

QPixmap artPicture(const QString &name)
{
    initArtResources();
    return QPixmap(QStringLiteral(":/art/") + name + QStringLiteral(".jpg"));
}

#include "tests/support/harness.h"
#include "platform/guard.h"
#include "platform/session.h"

#include <QDir>
#include <QFile>
#include <QtTest>

BoxScript::BoxScript()
{
    setBoxResponder([this](const BoxRecord &r) {
        boxes << r;
        if (r.buttons == BoxButtons::Ok)
            return BoxAnswer::Ok;
        if (m_answers.empty())
            return BoxAnswer::No;
        const BoxAnswer a = m_answers.front();
        m_answers.pop_front();
        return a;
    });
}

BoxScript::~BoxScript() { setBoxResponder({}); }

QStringList BoxScript::texts() const
{
    QStringList out;
    for (const BoxRecord &b : boxes)
        out << b.text;
    return out;
}

char *toString(const BoxRecord &box)
{
    const QString s = QStringLiteral("{owner %1, caption %2, text %3, icon %4, buttons %5}")
                          .arg(box.ownerName, box.caption, box.text)
                          .arg(int(box.icon))
                          .arg(box.buttons == BoxButtons::Ok ? QStringLiteral("OK") : QStringLiteral("Yes/No"));
    return qstrdup(s.toUtf8().constData());
}

BoxRecord informationBox(const QString &owner, const QString &caption, const QString &text, BoxButtons buttons)
{
    return BoxRecord{owner, caption, text, BoxIcon::Information, buttons};
}

QString shippedDataFolder()
{
    const QByteArray env = qgetenv("VELMORIA_SHIPPED_DATA");
    if (!env.isEmpty())
        return QString::fromLocal8Bit(env);
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../data");
}

Workspace::Workspace(bool withHouse, bool withAdmin)
{
    QDir(m_dir.path()).mkpath(QStringLiteral("data"));
    const QString src = shippedDataFolder();
    if (withHouse)
        QFile::copy(src + QStringLiteral("/house.mdb"), housePath());
    if (withAdmin)
        QFile::copy(src + QStringLiteral("/admin.mdb"), adminPath());
    QFile(housePath()).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    QFile(adminPath()).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    session::setDatabasePaths(housePath(), adminPath());
}

Workspace::~Workspace()
{
    if (DM == m_dm.get())
        DM = nullptr;
}

TDM *Workspace::makeDataModule()
{
    m_dm = std::make_unique<TDM>();
    DM = m_dm.get();
    if (runGuarded([&] { m_dm->DataModuleCreate(); }))
        runGuarded([&] { m_dm->connect_admin->finishConnecting(); });
    return m_dm.get();
}

// Makes the shipped database files: data/house.mdb with the four empty record
// tables (no key) and data/admin.mdb with 管理员表 and the administrator row
// (keyed with the database password). Each file is built beside its target
// and renamed over it, so a failed build never leaves half a file.
#include "data/dm.h"
#include "data/password.h"
#include "data/schema.h"

#include <sqlcipher/sqlite3.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

static bool run(sqlite3 *db, const QString &sql)
{
    char *err = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &err) != SQLITE_OK) {
        std::fprintf(stderr, "make_databases: %s\n", err ? err : "error");
        sqlite3_free(err);
        return false;
    }
    return true;
}

static bool make(const QString &path, const QString &key, const std::vector<const TableDef *> &tables,
                 const QStringList &extra)
{
    const QString tmp = path + QStringLiteral(".new");
    QFile::remove(tmp);
    sqlite3 *db = nullptr;
    if (sqlite3_open(tmp.toUtf8().constData(), &db) != SQLITE_OK)
        return false;
    bool ok = true;
    if (!key.isEmpty()) {
        const QByteArray k = key.toUtf8();
        ok = sqlite3_key(db, k.constData(), k.size()) == SQLITE_OK;
    }
    ok = ok && run(db, QStringLiteral("BEGIN"));
    for (const TableDef *t : tables)
        ok = ok && run(db, t->createSql());
    for (const QString &s : extra)
        ok = ok && run(db, s);
    ok = ok && run(db, QStringLiteral("COMMIT"));
    sqlite3_close(db);
    if (!ok) {
        QFile::remove(tmp);
        return false;
    }
    QFile::remove(path);
    return QFile::rename(tmp, path);
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_databases <folder>\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(dir);
    QString hash = hashPassword(firstAdminPassword());
    const QString row = QStringLiteral("INSERT INTO \"管理员表\" (\"用户名\", \"密码\") VALUES ('admin', '%1')").arg(hash);
    if (!make(dir + QStringLiteral("/house.mdb"), QString(), schema::recordTables(), {}))
        return 1;
    if (!make(dir + QStringLiteral("/admin.mdb"), databasePassword(), {&schema::admins()}, {row}))
        return 1;
    return 0;
}

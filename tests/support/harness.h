#pragma once
// Test harness: a fresh folder with fresh copies of the shipped database
// files, the data module connected to them, and scripted message boxes.
#include "data/dm.h"
#include "platform/msgbox.h"

#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <deque>
#include <memory>

// Records every message box and answers as the test says (OK for notices,
// the queued answers for questions, No when none is queued).
class BoxScript {
public:
    BoxScript();
    ~BoxScript();
    void answer(BoxAnswer a) { m_answers.push_back(a); }
    QList<BoxRecord> boxes;
    void clear() { boxes.clear(); }
    // The texts of the recorded boxes, in order.
    QStringList texts() const;

private:
    std::deque<BoxAnswer> m_answers;
};

class Workspace {
public:
    // Copies the shipped files into <tmp>/data; `withAdmin` false leaves
    // admin.mdb out, `withHouse` false leaves house.mdb out.
    explicit Workspace(bool withHouse = true, bool withAdmin = true);
    ~Workspace();
    QString folder() const { return m_dir.path() + QLatin1Char('/'); }
    QString housePath() const { return folder() + QStringLiteral("data/house.mdb"); }
    QString adminPath() const { return folder() + QStringLiteral("data/admin.mdb"); }
    // Creates the data module and runs its create handler guarded.
    TDM *makeDataModule();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<TDM> m_dm;
};

// How a recorded box reads in a failed comparison.
char *toString(const BoxRecord &box);

// A notice with the information icon and OK, or a Yes/No question, as the
// system raises them.
BoxRecord informationBox(const QString &owner, const QString &caption, const QString &text,
                         BoxButtons buttons = BoxButtons::Ok);

// The folder of the shipped files made by the build.
QString shippedDataFolder();

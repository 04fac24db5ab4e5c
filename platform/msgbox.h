#pragma once
// Message boxes owned by a window. In the program they are real QMessageBoxes;
// a test replaces them with a responder that records each box and answers.
#include <QString>
#include <functional>

class QWidget;

enum class BoxIcon { Information, Stop, Warning, Question };
enum class BoxButtons { Ok, YesNo };
enum class BoxAnswer { Ok, Yes, No };

struct BoxRecord {
    QString ownerName;   // objectName of the owning window ("" when none)
    QString caption;
    QString text;
    BoxIcon icon;
    BoxButtons buttons;
    bool operator==(const BoxRecord &) const = default;
};

using BoxResponder = std::function<BoxAnswer(const BoxRecord &)>;

// Shows a modal box and returns the answer.
BoxAnswer messageBox(QWidget *owner, const QString &caption, const QString &text,
                     BoxIcon icon = BoxIcon::Information, BoxButtons buttons = BoxButtons::Ok);

// Notice with the information icon and OK, the system's usual box.
inline void notice(QWidget *owner, const QString &caption, const QString &text)
{
    messageBox(owner, caption, text, BoxIcon::Information, BoxButtons::Ok);
}

// Yes/No question with the information icon; true only for Yes.
inline bool askYesNo(QWidget *owner, const QString &caption, const QString &text)
{
    return messageBox(owner, caption, text, BoxIcon::Information, BoxButtons::YesNo) == BoxAnswer::Yes;
}

// Replaces the real boxes (pass an empty function to restore them).
void setBoxResponder(BoxResponder responder);

// The application title used as the caption of the default error box.
QString applicationTitle();
void setApplicationTitle(const QString &title);

// The default error box: caption the application title, the message with a
// full stop added where it lacks one, stop icon, OK.
void showDefaultError(const QString &message);
QString withFullStop(const QString &message);

#pragma once

#include <QDialog>

class QEvent;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QToolButton;

namespace trimerka {

class Platform;

// The About window: title, version, emblem and two pages under two latched buttons, the description and
// the author page with a site link and a mail link. It is created once and reused, so every showing finds
// the page and the link looks that the previous one left.
class TForm10 : public QDialog {
    Q_OBJECT

public:
    // The subject line of a new message written through the mail link.
    static const QString kMailSubject;

    explicit TForm10(Platform& platform, QWidget* parent = nullptr);

    // The fifteen lines of the description page.
    static QStringList descriptionLines();

    void sb1Click();
    void sb2Click();
    void Label110Click();
    void Label110MouseDown();
    void Label110MouseMove();
    void Label110MouseLeave();
    void Label108Click();
    void Label108MouseDown();
    void Label108MouseMove();
    void Label108MouseLeave();
    void CloseFormClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildAuthorPage();
    // A link is clicked when the left button goes up over it after going down on it.
    void linkEvent(QLabel* link, QEvent* event);

    Platform& platform_;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Image1 = nullptr;
    QToolButton* sb1 = nullptr;
    QToolButton* sb2 = nullptr;
    QPlainTextEdit* Memo = nullptr;
    QFrame* panel = nullptr;
    QLabel* Image3 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label110 = nullptr;
    QLabel* Label108 = nullptr;
    QToolButton* CloseForm = nullptr;
    QLabel* pressedLink_ = nullptr;
};

} // namespace trimerka

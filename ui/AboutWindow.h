#pragma once

#include "ui/LazyDialog.h"

class QEvent;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QToolButton;

namespace trimerka {

class Platform;

// The About window: title, version, emblem and two pages under two latched buttons, the description and
// the author page with a site link and a mail link. It is created once and reused, so every showing finds
// the page and the link looks that the previous one left. Its controls are made when it is first shown.
class AboutWindow : public LazyDialog {
    Q_OBJECT

public:
    // The subject line of a new message written through the mail link.
    static const QString kMailSubject;

    explicit AboutWindow(Platform& platform, QWidget* parent = nullptr);

    // The fifteen lines of the description page.
    static QStringList descriptionLines();

    void showDescriptionPage();
    void showAuthorPage();
    void openSite();
    void siteLinkPressed();
    void siteLinkHovered();
    void siteLinkLeft();
    void writeEmail();
    void emailLinkPressed();
    void emailLinkHovered();
    void emailLinkLeft();
    void closeWindow();

protected:
    void buildControls() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildAuthorPage();
    // A link is clicked when the left button goes up over it after going down on it.
    void linkEvent(QLabel* link, QEvent* event);

    Platform& platform_;
    QLabel* titleLabel_ = nullptr;
    QLabel* versionLabel_ = nullptr;
    QLabel* emblemPicture_ = nullptr;
    QToolButton* descriptionButton_ = nullptr;
    QToolButton* authorButton_ = nullptr;
    QPlainTextEdit* descriptionMemo_ = nullptr;
    QFrame* authorPanel_ = nullptr;
    QLabel* authorPicture_ = nullptr;
    QLabel* authorNameLabel_ = nullptr;
    QLabel* siteLink_ = nullptr;
    QLabel* emailLink_ = nullptr;
    QToolButton* closeButton_ = nullptr;
    QLabel* pressedLink_ = nullptr;
};

} // namespace trimerka

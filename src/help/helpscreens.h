#pragma once

#include "fieldsizes.h"

#include "app/screen.h"

class QLabel;

namespace app {
class ScreenRegistry;
}

namespace help {

// TForm32 "Nápověda": the working rules of the program, and the way into the field-size pages.
class HelpScreen : public app::Screen {
    Q_OBJECT
public:
    HelpScreen(app::AppContext &ctx, QWidget *parent);
    // The 22 lines, top to bottom.
    static const QStringList &lines();
};

// One field-size page of the chain (TForm33 … TForm60).
class FieldSizePage : public app::Screen {
    Q_OBJECT
public:
    FieldSizePage(app::AppContext &ctx, const SizePage &page, QWidget *parent);
};

// TForm65 "O aplikaci" and TForm66 "Popis sekcí": a read-only text filling the window.
class TextScreen : public app::Screen {
    Q_OBJECT
public:
    TextScreen(app::AppContext &ctx, const QString &className, const QString &caption, const QString &text,
               QWidget *parent);
};

// TForm2 "About ...": version, icon, "OK" and the link to the maker's web page.
class AboutBox : public app::Screen {
    Q_OBJECT
public:
    AboutBox(app::AppContext &ctx, QWidget *parent);
    static QString webAddress();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setLinkHot(bool hot);
    QLabel *m_link;
};

void registerScreens(app::ScreenRegistry &screens);

} // namespace help

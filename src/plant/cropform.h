#pragma once

#include "app/screen.h"

namespace books {
class BookPanel;
}

namespace plant {

// The crop form TForm47: two record books in one window over the sowing and the treatment table of one crop
// and year, each with its own grid, buttons, statistics and print; one way back; the auto-post rule covers
// both.
class CropForm : public app::Screen {
    Q_OBJECT
public:
    CropForm(app::AppContext &ctx, QWidget *parent);

    books::BookPanel &sowing() { return *m_sowing; }
    books::BookPanel &treatment() { return *m_treatment; }

    // "Formulář - pšenice2004": from the letter before the year in the sowing table's name.
    static QString formTitle(const QString &sowingTable, const QString &year);

    void autoPostBoth();
    void back();

protected:
    void activate() override;

private:
    books::BookPanel *m_sowing;
    books::BookPanel *m_treatment;
};

} // namespace plant

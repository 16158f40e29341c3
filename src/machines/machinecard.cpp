#include "machinecard.h"

#include "bitmap.h"
#include "photofield.h"

#include "app/baresurface.h"
#include "app/dialogs.h"
#include "app/ui.h"
#include "app/workspace.h"
#include "books/boundfields.h"
#include "reports/report.h"
#include "store/error.h"
#include "store/query.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace machines {

namespace {

const QString kPhoto = QStringLiteral("foto");

} // namespace

MachineCard::MachineCard(app::AppContext &ctx, QWidget *parent)
    : app::Screen(ctx, QStringLiteral("TForm15"), QStringLiteral("Vlastní karta stroje"), false, parent),
      m_query(std::make_unique<store::Query>(ctx.db)), m_fields(new books::BoundFields(*m_query, this)),
      m_photo(new PhotoField(this))
{
    m_query->setObjectName(QStringLiteral("Query1"));

    auto field = [this](QGridLayout *grid, int row, const QString &label, const QString &name, int chars,
                        bool editable = true) {
        QLineEdit *edit = m_fields->addField(grid, row, 0, label, name, chars);
        edit->setEnabled(editable);
        return edit;
    };

    auto *top = new QGridLayout;
    field(top, 0, QStringLiteral("Stroj:"), QStringLiteral("stroj"), 30, false);
    field(top, 1, QStringLiteral("Rok výroby:"), QStringLiteral("rok_vyroby"), 6, false);
    field(top, 2, QStringLiteral("Barva:"), QStringLiteral("barva"), 15);
    field(top, 3, QStringLiteral("Pořizovací cena:"), QStringLiteral("porizovaci_cena"), 12);
    QGroupBox *tyres = app::ui::group(this, QStringLiteral("Pneumatiky:"));
    auto *tyreGrid = new QGridLayout(tyres);
    field(tyreGrid, 0, QStringLiteral("Přední:"), QStringLiteral("pneu_predni"), 10);
    QLineEdit *rearTyres = field(tyreGrid, 1, QStringLiteral("Zadní:"), QStringLiteral("pneu_zadni"), 10);
    auto *left = new QVBoxLayout;
    left->addLayout(top);
    left->addWidget(tyres);
    left->addStretch();

    auto *photoColumn = new QVBoxLayout;
    QLabel *photoLabel = app::ui::label(this, QStringLiteral("Label12"), QStringLiteral("Foto:"));
    photoLabel->setBuddy(m_photo);
    photoColumn->addWidget(photoLabel);
    photoColumn->addWidget(m_photo, 1);
    photoColumn->addWidget(actionButton(QStringLiteral("Button3"), QStringLiteral("Odstraňit obrázek"),
                                        [this] { this->removePhoto(); }));
    // The photo is made first but is reached by Tab where it stands: after the tyres, before its button.
    // (Once the button exists: Qt 6.4 does not move a widget behind the last one of the chain.)
    QWidget::setTabOrder(rearTyres, m_photo);

    auto *upper = new QHBoxLayout;
    upper->addLayout(left);
    upper->addSpacing(12);
    upper->addLayout(photoColumn, 1);

    auto *lower = new QGridLayout;
    field(lower, 0, QStringLiteral("Datum a místo nákupu:"), QStringLiteral("Datum_a_misto_nakupu"), 40);
    field(lower, 1, QStringLiteral("Technické parametry a rozměry:"),
          QStringLiteral("tech_parametry_rozmery"), 60);
    field(lower, 2, QStringLiteral("Poznámka 1:"), QStringLiteral("Poznamka1"), 60);
    field(lower, 3, QStringLiteral("Poznámka 2:"), QStringLiteral("Poznamka2"), 60);
    field(lower, 4, QStringLiteral("Poznámka 3:"), QStringLiteral("Poznamka3"), 60);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(actionButton(QStringLiteral("Button2"), QStringLiteral("Vytiskni kartu stroje:"),
                                    [this] { this->print(); }));
    buttons->addWidget(
        actionButton(QStringLiteral("Button1"), QStringLiteral("Zpět"), [this] { this->back(); }));

    auto *root = new QVBoxLayout(this);
    root->addLayout(upper);
    root->addLayout(lower);
    root->addSpacing(8);
    root->addLayout(buttons);

    connect(m_photo, &PhotoField::clicked, this, [this] { act([this] { loadPhoto(); }); });
    connect(m_photo, &PhotoField::pasteRequested, this, [this] { act([this] { pastePhoto(); }); });
    connect(m_photo, &PhotoField::copyRequested, this, [this] { act([this] { copyPhoto(); }); });
    connect(m_photo, &PhotoField::removeRequested, this, [this] { act([this] { removePhoto(); }); });
    new app::BareSurface(this, [this] { m_fields->save(false); });
    fixSizeAndCentre();
}

MachineCard::~MachineCard() = default;

QList<store::QueryLine> MachineCard::statement() const
{
    return {QStringLiteral("select * from seznam_stroju"),
            store::exactMatchLine(QStringLiteral("stroj"), m_name)};
}

void MachineCard::activate()
{
    m_name = context().workspace.selectedMachine;
    m_query->setText(statement());
    m_query->open();
    m_fields->load();
    showPhoto();
    setWindowTitle(QStringLiteral("Vlastní karty stroje: ") + m_name);
}

void MachineCard::showPhoto()
{
    m_photo->setPhoto(m_query->fieldPicture(kPhoto));
}

void MachineCard::loadPhoto()
{
    if (!m_fields->hasRecord())
        return;
    const QString path = context().dialogs.pictureFile(
        this, QStringLiteral("Zvolte obrázek, který chcete vložit do databáze - mus být ve formátu BMP !!"),
        QStringLiteral("Soubory Typu Bitmaps (*.bmp)"), QDir::homePath());
    if (path.isEmpty())
        return;
    // Checked before anything is assigned: a file that is no bitmap leaves the stored photo as it was.
    const QByteArray bmp = bitmapFromFile(path);
    m_query->setFieldPicture(kPhoto, bmp);
    m_fields->save();
    showPhoto();
}

void MachineCard::pastePhoto()
{
    if (!m_fields->hasRecord())
        return;
    const QByteArray bmp = bitmapFromImage(QApplication::clipboard()->image());
    m_query->setFieldPicture(kPhoto, bmp); // stored with the next save
    showPhoto();
}

void MachineCard::copyPhoto()
{
    if (!m_photo->image().isNull())
        QApplication::clipboard()->setImage(m_photo->image());
}

void MachineCard::removePhoto()
{
    if (!context().dialogs.confirm(this,
                                   QStringLiteral("Opravdu chcete odstranit danou fotografii z databáze?")))
        return;
    try {
        m_query->setFieldPicture(kPhoto, {});
        m_fields->save();
    } catch (const store::Error &) {
        context().dialogs.errorBox(this, QStringLiteral("Nepodařilo se odstranit obrázek z databáze!"));
    }
    showPhoto();
}

void MachineCard::print()
{
    // Stored first: the printout shows what the card shows, and the card re-reads it after the preview.
    m_fields->save();
    reports::Report &r = context().reports->get(QStringLiteral("TQuickReport16"));
    r.setQuery(statement());
    preview(r);
}

void MachineCard::back()
{
    leave([this] { m_fields->save(); }, [this] { m_query->close(); });
}

} // namespace machines

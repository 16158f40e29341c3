#pragma once

#include "app/screen.h"
#include "store/querytext.h"

#include <memory>

namespace store {
class Query;
}

namespace books {
class BoundFields;
}

namespace livestock {

// What differs between the two animal cards.
struct CardSpec {
    QString className;     // "TForm6", "TForm13"
    QString caption;       // the design caption
    QString captionPrefix; // followed by the animal's number once open
    QString table;         // "seznam_zvirat", "odsun"
    QString key;           // "cv_cislo", "cislo"
    QString reportHeading; // the printout's QRLabel1
    QString holdingLabel;  // "reg. č. hospodářství:" with or without the colon
    QString breedLabel;    // "plem. přísl. zvířete" with or without the colon
    bool closeBox;         // TForm13 has one, and closing by it saves like "Zpět"
    bool groupBoxesSave;   // TForm13 also saves when the mouse moves over its group boxes
};

const CardSpec &animalCard();  // TForm6
const CardSpec &removedCard(); // TForm13

// An animal's own card: the thirteen detail fields of one animal, selected by its exact number, saved when
// the mouse moves over the bare window and on leaving, printed as TQuickReport9.
class AnimalCard : public app::Screen {
    Q_OBJECT
public:
    AnimalCard(app::AppContext &ctx, const CardSpec &spec, QWidget *parent);
    ~AnimalCard() override;

    store::Query &query() { return *m_query; }
    void print();
    void back();

protected:
    void activate() override;
    void reject() override;

private:
    QList<store::QueryLine> statement() const;

    const CardSpec &m_spec;
    std::unique_ptr<store::Query> m_query;
    books::BoundFields *m_fields;
    QString m_number;
};

} // namespace livestock

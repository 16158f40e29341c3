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

namespace machines {

class PhotoField;

// TForm15 "Vlastní karta stroje": every field of one machine, selected by its exact name, with its photo.
class MachineCard : public app::Screen {
    Q_OBJECT
public:
    MachineCard(app::AppContext &ctx, QWidget *parent);
    ~MachineCard() override;

    store::Query &query() { return *m_query; }

    void loadPhoto();
    void pastePhoto();
    void copyPhoto();
    void removePhoto();
    void print();
    void back();

protected:
    void activate() override;

private:
    QList<store::QueryLine> statement() const;
    void showPhoto();

    std::unique_ptr<store::Query> m_query;
    books::BoundFields *m_fields;
    PhotoField *m_photo;
    QString m_name;
};

} // namespace machines

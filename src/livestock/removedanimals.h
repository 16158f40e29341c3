#pragma once

#include "app/screen.h"

#include <memory>

class QLabel;
class QPushButton;

namespace store {
class Query;
}

namespace books {
class DataGrid;
}

namespace livestock {

// TForm8 "Seznam odsunutých zvířat": the removed animals, read-only until "Upravit záznam".
class RemovedAnimals : public app::Screen {
    Q_OBJECT
public:
    RemovedAnimals(app::AppContext &ctx, QWidget *parent);
    ~RemovedAnimals() override;

    store::Query &query() { return *m_query; }

    void sortBy(const QString &orderLine); // empty: "Neřadit"
    void startEditing();
    void saveChanges();
    void openCard();
    void print();
    void back();

protected:
    void activate() override;

private:
    void setEditing(bool editing);

    std::unique_ptr<store::Query> m_query, m_totals;
    books::DataGrid *m_grid = nullptr;
    QLabel *m_count = nullptr;
    QPushButton *m_edit = nullptr, *m_save = nullptr;
    QList<QPushButton *> m_sortButtons;
};

} // namespace livestock

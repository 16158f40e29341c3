#pragma once

#include "app/screen.h"
#include "store/querytext.h"

#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;

namespace store {
class Query;
}

namespace books {
class DataGrid;
}

namespace livestock {

// TForm5 "Seznam zvířat": the register of the animals kept on the farm. Its statement is three pieces (the
// select, the order clause, the filter clause); the screen never sets the last two together.
class AnimalList : public app::Screen {
    Q_OBJECT
public:
    AnimalList(app::AppContext &ctx, QWidget *parent);
    ~AnimalList() override;

    store::Query &query() { return *m_query; }

    // The auto-post rule with key cv_cislo: see books::autoPostRow.
    bool autoPost(bool report = false);

    void sortBy(const QString &orderClause); // empty: "Neřadit"
    void search();
    void showAll();
    void insert();
    void openCard();
    void print();
    void back();

protected:
    void activate() override { issue(); }

private:
    void issue();
    void refreshCount();

    std::unique_ptr<store::Query> m_query, m_count;
    QString m_base;
    QString m_order;
    store::QueryLine m_filter{QString()};
    books::DataGrid *m_grid = nullptr;
    QLineEdit *m_search = nullptr;
    QLabel *m_countLabel = nullptr;
    QPushButton *m_insert = nullptr;
    QList<QPushButton *> m_sortButtons;
};

} // namespace livestock

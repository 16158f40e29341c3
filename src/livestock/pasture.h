#pragma once

#include "app/screen.h"

#include <memory>

class QAction;

namespace store {
class Query;
}

namespace livestock {

// TForm7 "Seznam zvířat na pastvě": the animals out on pasture, browsed under a menu bar.
class PastureList : public app::Screen {
    Q_OBJECT
public:
    PastureList(app::AppContext &ctx, QWidget *parent);
    ~PastureList() override;

    store::Query &query() { return *m_query; }

    void sortByNumber(bool sorted);
    void removeCurrent();
    void showCount();
    void print();
    void back();

protected:
    void activate() override;

private:
    std::unique_ptr<store::Query> m_query, m_totals;
    QAction *m_remove = nullptr;
    QString m_count;
};

} // namespace livestock

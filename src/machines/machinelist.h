#pragma once

#include "app/screen.h"

#include <memory>

class QLabel;
class QPushButton;

namespace store {
class Query;
}

namespace machines {

// TForm14 "Seznam strojů": names and years of the farm's machines; the photos stay unread until a card or a
// printout with photos asks for them.
class MachineList : public app::Screen {
    Q_OBJECT
public:
    MachineList(app::AppContext &ctx, QWidget *parent);
    ~MachineList() override;

    store::Query &query() { return *m_query; }

    // The auto-post rule with key stroj.
    bool autoPost(bool report = false);
    void sortBy(const QString &orderLine); // empty: "Neřadit"
    void insert();
    void remove();
    void openCard();
    void print();
    void back();

protected:
    void activate() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setEditingEnabled(bool enabled);

    std::unique_ptr<store::Query> m_query, m_count;
    QLabel *m_countLabel = nullptr;
    QLabel *m_sortHeading = nullptr;
    QPushButton *m_add = nullptr, *m_delete = nullptr;
};

} // namespace machines

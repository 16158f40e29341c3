#pragma once

#include "layout.h"
#include "pages.h"

#include "store/querytext.h"

#include <QDate>
#include <memory>
#include <vector>

namespace store {
class Database;
class Query;
} // namespace store

namespace reports {

// A report layout as the program keeps it from start to end: its elements, the captions callers set (they
// stay until set again) and its own query Query1.
class Report {
public:
    // Opens the stored query at once (unless told not to): a missing or damaged table makes this throw
    // store::Error.
    Report(Layout layout, store::Database &db, bool openNow = true);
    ~Report();

    const QString &className() const { return m_layout.className; }
    const QString &title() const { return m_layout.title; }
    void setTitle(const QString &title) { m_layout.title = title; }
    const Layout &layout() const { return m_layout; }

    store::Query *query() const { return m_query.get(); } // null for a layout without a query

    // Replaces the query text by these lines and opens it.
    void setQuery(const QList<store::QueryLine> &lines);
    // Closes the query and opens it again with the stored text, re-reading the table.
    void reopen();
    // Replaces the query text by a copy of another query's text and opens it.
    void copyQuery(const store::Query &other);

    // The caption of a named label; false when the layout has no such element.
    bool setCaption(const QString &element, const QString &text);
    QString caption(const QString &element) const;
    bool setVisible(const QString &element, bool visible);
    bool setBandHeight(const QString &band, double mm);

    std::vector<Page> buildPages(const QDate &today = QDate::currentDate()) const;

private:
    Layout m_layout;
    std::unique_ptr<store::Query> m_query;
};

// The 26 layouts, created once at start in their order, each opening its stored query.
class ReportLibrary {
public:
    explicit ReportLibrary(store::Database &db);
    ~ReportLibrary();

    Report &get(const QString &className); // throws std::out_of_range for an unknown layout
    const std::vector<std::unique_ptr<Report>> &all() const { return m_reports; }

    // The engine's messages for the layouts whose stored query could not be opened at start (their queries
    // wait closed); empty when all opened.
    const QStringList &failures() const { return m_failures; }

private:
    std::vector<std::unique_ptr<Report>> m_reports;
    QStringList m_failures;
};

} // namespace reports

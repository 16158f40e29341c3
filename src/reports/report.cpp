#include "report.h"

#include "store/database.h"
#include "store/error.h"
#include "store/query.h"

#include <stdexcept>

namespace reports {

Report::Report(Layout layout, store::Database &db, bool openNow) : m_layout(std::move(layout))
{
    if (!m_layout.storedQuery.isEmpty()) {
        m_query = std::make_unique<store::Query>(db);
        m_query->setObjectName(QStringLiteral("Query1"));
        if (openNow)
            reopen();
        else
            m_query->setText({m_layout.storedQuery});
    }
}

Report::~Report() = default;

void Report::setQuery(const QList<store::QueryLine> &lines)
{
    m_query->setText(lines);
    m_query->open();
}

void Report::reopen()
{
    setQuery({m_layout.storedQuery});
}

void Report::copyQuery(const store::Query &other)
{
    setQuery(other.lines());
}

bool Report::setCaption(const QString &element, const QString &text)
{
    Element *e = m_layout.element(element);
    if (!e)
        return false;
    e->text = text;
    return true;
}

QString Report::caption(const QString &element) const
{
    const Element *e = m_layout.element(element);
    return e ? e->text : QString();
}

bool Report::setVisible(const QString &element, bool visible)
{
    Element *e = m_layout.element(element);
    if (!e)
        return false;
    e->visible = visible;
    return true;
}

bool Report::setBandHeight(const QString &band, double mm)
{
    Band *b = m_layout.band(band);
    if (!b)
        return false;
    b->height = mm;
    return true;
}

std::vector<Page> Report::buildPages(const QDate &today) const
{
    return reports::buildPages(m_layout, m_query.get(), today);
}

ReportLibrary::ReportLibrary(store::Database &db)
{
    for (Layout &layout : allLayouts()) {
        try {
            m_reports.push_back(std::make_unique<Report>(std::move(layout), db));
        } catch (const store::Error &e) {
            // A damaged or locked table must not keep the program from the farmer's other records: the
            // layout waits with its query closed, and its screen reports the table when it prints.
            m_failures << e.message();
            m_reports.push_back(std::make_unique<Report>(std::move(layout), db, false));
        }
    }
}

ReportLibrary::~ReportLibrary() = default;

Report &ReportLibrary::get(const QString &className)
{
    for (const auto &r : m_reports)
        if (r->className() == className)
            return *r;
    throw std::out_of_range("no report layout " + className.toStdString());
}

} // namespace reports

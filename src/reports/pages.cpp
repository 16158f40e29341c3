#include "pages.h"

#include "metrics.h"
#include "store/query.h"
#include "store/values.h"

#include <QRegularExpression>
#include <map>

namespace reports {

namespace {

// A sum expression "SUM(Query1.A)" or the difference "SUM(Query1.A)-SUM(Query1.B)": the fields, with signs.
struct Expression {
    std::vector<std::pair<int, double>> terms; // query column, sign
};

Expression parseExpression(const QString &text, const store::Query *query)
{
    static const QRegularExpression sum(QStringLiteral("([+-]?)\\s*SUM\\s*\\(\\s*Query1\\.([^)\\s]+)\\s*\\)"),
                                        QRegularExpression::CaseInsensitiveOption);
    Expression e;
    for (auto it = sum.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        const int column = query ? query->fieldIndex(m.captured(2)) : -1;
        e.terms.emplace_back(column, m.captured(1) == u"-" ? -1.0 : 1.0);
    }
    return e;
}

class Builder {
public:
    Builder(const Layout &layout, const store::Query *query, const QDate &today)
        : m_layout(layout), m_query(query), m_today(today)
    {
        for (const Band &b : layout.bands)
            for (const Element &el : b.elements)
                if (el.kind == ElementKind::Expression)
                    m_expressions.emplace(el.text, parseExpression(el.text, query));
        for (auto &[text, expr] : m_expressions)
            for (const auto &term : expr.terms)
                if (term.first >= 0)
                    m_sums.emplace(term.first, 0.0);
    }

    std::vector<Page> build()
    {
        const Band *title = m_layout.band(BandKind::Title);
        const Band *detail = m_layout.band(BandKind::Detail);
        const Band *summary = m_layout.band(BandKind::Summary);
        newPage(false);
        if (title)
            place(*title, -1);
        placeHeader();
        if (detail) {
            const int rows = m_query ? m_query->recordCount() : 0;
            if (rows == 0) {
                fit(*detail);
                place(*detail, -1); // a blank line, or the one band of a layout without a query
            }
            for (int r = 0; r < rows; ++r) {
                fit(*detail);
                accumulate(r);
                ++m_count;
                place(*detail, r);
            }
        }
        if (summary) {
            fit(*summary);
            place(*summary, -1);
        }
        return std::move(m_pages);
    }

private:
    void newPage(bool header)
    {
        m_pages.emplace_back();
        m_y = 0;
        if (header)
            placeHeader();
    }
    void placeHeader()
    {
        if (const Band *header = m_layout.band(BandKind::ColumnHeader))
            place(*header, -1);
    }
    // A band that no longer fits above the bottom margin goes to a new page (unless the page is still empty).
    void fit(const Band &band)
    {
        const double headerHeight =
            m_layout.band(BandKind::ColumnHeader) ? m_layout.band(BandKind::ColumnHeader)->height : 0.0;
        const bool onlyHeader = m_y <= headerHeight + 1e-9 && m_pages.size() > 1;
        if (m_y + band.height > kBandSpaceMm + 1e-9 && m_y > 0 && !onlyHeader)
            newPage(true);
    }

    void accumulate(int row)
    {
        for (auto &[column, total] : m_sums) {
            const QVariant &v = m_query->value(row, column);
            if (v.isNull())
                continue;
            bool ok = false;
            const double d = v.toDouble(&ok);
            if (ok)
                total += d;
            else if (const auto n = store::parseNumber(v.toString()))
                total += *n;
        }
    }

    QString expressionText(const QString &text) const
    {
        const auto it = m_expressions.find(text);
        double value = 0;
        if (it != m_expressions.end())
            for (const auto &[column, sign] : it->second.terms)
                if (column >= 0)
                    value += sign * m_sums.at(column);
        return store::numberText(value);
    }

    QString fieldText(const QString &field, int row) const
    {
        if (!m_query || row < 0)
            return {};
        const int column = m_query->fieldIndex(field);
        return column < 0 ? QString() : m_query->valueText(row, column);
    }

    void place(const Band &band, int row)
    {
        Page &page = m_pages.back();
        const double top = kMarginMm + m_y;
        for (const Element &el : band.elements) {
            if (!el.visible)
                continue;
            PageItem item;
            item.element = el.name;
            item.band = band.kind;
            item.pointSize = el.pointSize;
            item.bold = el.bold;
            item.underline = el.underline;
            item.align = el.align;
            const double h = el.h > 0 ? el.h : lineHeightMm(el.pointSize);
            double x = el.x, w = el.w;
            if (w <= 0) {
                if (el.align == Align::Centre) {
                    x = 0;
                    w = kBandWidthMm;
                } else {
                    w = kBandWidthMm - el.x;
                }
            }
            item.box = QRectF(kMarginMm + x, top + el.y, w, h);
            switch (el.kind) {
            case ElementKind::Label:
                item.text = el.text;
                break;
            case ElementKind::Field:
                item.text = fieldText(el.text, row);
                break;
            case ElementKind::Picture:
                item.kind = PageItem::Kind::Picture;
                if (m_query && row >= 0)
                    if (const int c = m_query->fieldIndex(el.text); c >= 0)
                        item.picture = m_query->value(row, c).toByteArray();
                break;
            case ElementKind::Date:
                item.text = store::dateText(m_today);
                break;
            case ElementKind::PageNumber:
                item.text = QString::number(m_pages.size());
                break;
            case ElementKind::DetailCount:
                item.text = QString::number(m_count);
                break;
            case ElementKind::Expression:
                item.text = expressionText(el.text);
                break;
            case ElementKind::HLine:
                item.kind = PageItem::Kind::Line;
                item.box = QRectF(QPointF(kMarginMm + el.x, top + el.y),
                                  QPointF(kMarginMm + el.x + el.w, top + el.y));
                break;
            case ElementKind::VLine:
                item.kind = PageItem::Kind::Line;
                item.box = QRectF(QPointF(kMarginMm + el.x, top + el.y),
                                  QPointF(kMarginMm + el.x, top + el.y + el.h));
                break;
            case ElementKind::Rect:
                item.kind = PageItem::Kind::Rect;
                item.box = QRectF(kMarginMm + el.x, top + el.y, el.w, el.h);
                break;
            }
            page.items.push_back(std::move(item));
        }
        m_y += band.height;
    }

    const Layout &m_layout;
    const store::Query *m_query;
    QDate m_today;
    std::vector<Page> m_pages;
    double m_y = 0;
    int m_count = 0;
    std::map<QString, Expression> m_expressions;
    std::map<int, double> m_sums;
};

} // namespace

std::vector<const PageItem *> Page::texts() const
{
    std::vector<const PageItem *> t;
    for (const PageItem &i : items)
        if (i.kind == PageItem::Kind::Text)
            t.push_back(&i);
    return t;
}

std::vector<Page> buildPages(const Layout &layout, const store::Query *query, const QDate &today)
{
    return Builder(layout, query && query->isOpen() ? query : nullptr, today).build();
}

} // namespace reports

#include "query.h"

#include "binding.h"
#include "database.h"
#include "error.h"
#include "sqlitefunctions.h"
#include "values.h"

#include <QScopedValueRollback>
#include <sqlite3.h>

namespace store {

namespace {

using Kind = Error::Kind;

// A prepared statement that finalizes itself.
class Stmt {
public:
    Stmt(TableFile &t, const QByteArray &sql, const QString &action) : m_t(t), m_action(action)
    {
        const int rc = sqlite3_prepare_v2(t.db, sql.constData(), int(sql.size()), &m_st, nullptr);
        if (rc != SQLITE_OK)
            fail(rc);
    }
    ~Stmt() { sqlite3_finalize(m_st); }
    Stmt(const Stmt &) = delete;
    Stmt &operator=(const Stmt &) = delete;

    sqlite3_stmt *get() const { return m_st; }
    void check(int rc) const
    {
        if (rc != SQLITE_OK)
            fail(rc);
    }
    bool step() const
    {
        const int rc = sqlite3_step(m_st);
        if (rc == SQLITE_ROW)
            return true;
        if (rc != SQLITE_DONE)
            fail(rc);
        return false;
    }
    [[noreturn]] void fail(int rc) const { raiseSqlite(m_t.db, rc, m_t.fileName, m_action); }

private:
    TableFile &m_t;
    QString m_action;
    sqlite3_stmt *m_st = nullptr;
};

const QString kRead = QStringLiteral("čtení");
const QString kStore = QStringLiteral("uložení záznamu");
const QString kDelete = QStringLiteral("smazání záznamu");

} // namespace

Query::Query(Database &db, QObject *parent) : QAbstractTableModel(parent), m_db(db) {}

Query::~Query() = default;

void Query::clear()
{
    close();
    m_lines.clear();
}

void Query::add(const QueryLine &line)
{
    close();
    m_lines.append(line);
}

void Query::setText(const QList<QueryLine> &lines)
{
    close();
    m_lines = lines;
}

QStringList Query::text() const
{
    QStringList t;
    for (const QueryLine &l : m_lines)
        t << l.text();
    return t;
}

QString Query::tableFileName() const
{
    return m_table ? m_table->fileName : QString();
}

void Query::open()
{
    if (isOpen())
        return;
    const Statement st = parseQuery(m_lines);
    const std::shared_ptr<TableFile> table = m_db.table(st.table);
    TableFile &t = *table;
    const QString whole = joinedText(m_lines);

    auto column = [&](const QString &name) {
        const int c = t.columnIndex(name);
        if (c < 0)
            throw Error(Kind::UnknownField,
                        QStringLiteral("Pole „%1“ v tabulce %2 neexistuje (dotaz „%3“).")
                            .arg(name, t.fileName, whole),
                        t.fileName);
        return c;
    };
    auto refuse = [&](const QString &why) {
        throw Error(Kind::BadQuery, QStringLiteral("Chybný text dotazu (%1): „%2“").arg(why, whole),
                    t.fileName);
    };

    std::vector<FieldDef> columns;
    std::vector<int> tableColumns;
    QByteArray sql = "SELECT ";
    if (st.kind == Statement::Kind::Rows) {
        if (st.columns.isEmpty()) {
            for (size_t i = 0; i < t.columns.size(); ++i)
                tableColumns.push_back(int(i));
        } else {
            for (const QString &name : st.columns)
                tableColumns.push_back(column(name));
        }
        sql += "rowid";
        for (int c : tableColumns) {
            columns.push_back(t.columns[size_t(c)]);
            sql += ", " + sqlIdentifier(t.columns[size_t(c)].name);
        }
    } else {
        FieldDef result{st.alias, FieldType::Number, 0};
        if (st.argument == u"*") {
            sql += "count(*)";
        } else {
            const FieldDef &f = t.columns[size_t(column(st.argument))];
            if (st.function == u"sum") {
                if (f.type != FieldType::Number && f.type != FieldType::Money)
                    refuse(QStringLiteral("pole %1 není číselné, nelze je sečíst").arg(f.name));
                result.type = f.type;
            }
            sql += st.function.toUtf8() + '(' + sqlIdentifier(f.name) + ')';
        }
        columns.push_back(result);
        tableColumns.push_back(-1);
    }
    sql += " FROM " + sqlIdentifier(t.innerName);

    // Parameters of the filter, bound after preparing: no value ever becomes statement text.
    std::vector<std::pair<FieldType, QVariant>> params;
    if (st.filter.kind == Filter::Kind::Like) {
        QList<QByteArray> terms;
        for (const LikeTerm &term : st.filter.terms) {
            const FieldDef &f = t.columns[size_t(column(term.field))];
            if (f.type != FieldType::Text)
                refuse(QStringLiteral("pole %1 není textové, nelze v něm hledat").arg(f.name));
            terms << (term.exact ? sqlIdentifier(f.name) + " = ?"
                                 : QByteArray(kLikeFunction) + '(' + sqlIdentifier(f.name) + ", ?)");
            params.emplace_back(FieldType::Text, term.pattern);
        }
        sql += " WHERE " + terms.join(" OR ");
    } else if (st.filter.kind == Filter::Kind::Between) {
        const FieldDef &f = t.columns[size_t(column(st.filter.field))];
        for (const QString &literal : {st.filter.low, st.filter.high}) {
            QVariant v;
            try {
                v = valueFromText(f, literal);
            } catch (const Error &e) {
                refuse(e.message());
            }
            if (v.isNull())
                refuse(QStringLiteral("chybí mez rozsahu"));
            params.emplace_back(f.type, v);
        }
        sql += " WHERE " + sqlIdentifier(f.name) + " BETWEEN ? AND ?";
    }
    if (st.kind == Statement::Kind::Rows) {
        if (st.orderBy.isEmpty()) {
            sql += " ORDER BY rowid";
        } else {
            const FieldDef &f = t.columns[size_t(column(st.orderBy))];
            sql += " ORDER BY " + sqlIdentifier(f.name);
            if (f.type == FieldType::Text)
                sql += QByteArray(" COLLATE ") + kCzechCollation;
            sql += ", rowid";
        }
    }

    // An aggregate over a table nobody changed since it was last read is that same value.
    QByteArray cacheKey;
    qint64 version = -1;
    if (st.kind == Statement::Kind::Aggregate) {
        cacheKey = sql;
        for (const auto &[type, value] : params)
            cacheKey += '\0' + QByteArray::number(int(type)) + ':' + value.toString().toUtf8();
        version = t.dataVersion();
        const auto cached = t.aggregates.find(cacheKey);
        if (version >= 0 && cached != t.aggregates.end() && cached->second.dataVersion == version &&
            cached->second.writes == t.writes) {
            beginResetModel();
            m_cells = {cached->second.value};
            m_rowids = {0};
            finishOpen(table, std::move(columns), std::move(tableColumns), true);
            return;
        }
    }

    Stmt stmt(t, sql, kRead);
    for (size_t i = 0; i < params.size(); ++i)
        stmt.check(bindValue(stmt.get(), int(i) + 1, params[i].first, params[i].second));

    beginResetModel();
    m_cells.clear();
    m_rowids.clear();
    try {
        const int first = st.kind == Statement::Kind::Rows ? 1 : 0;
        while (stmt.step()) {
            m_rowids.push_back(first ? sqlite3_column_int64(stmt.get(), 0) : 0);
            for (size_t c = 0; c < columns.size(); ++c)
                m_cells.push_back(readValue(stmt.get(), int(c) + first, columns[c].type));
        }
    } catch (...) {
        m_cells.clear();
        m_rowids.clear();
        endResetModel();
        throw;
    }
    if (st.kind == Statement::Kind::Aggregate && version >= 0 && m_cells.size() == 1)
        t.aggregates[cacheKey] = {version, t.writes, m_cells.first()};
    finishOpen(table, std::move(columns), std::move(tableColumns),
               st.kind == Statement::Kind::Aggregate || !st.orderBy.isEmpty());
}

void Query::finishOpen(std::shared_ptr<TableFile> table, std::vector<FieldDef> columns,
                       std::vector<int> tableColumns, bool readOnly)
{
    m_table = std::move(table);
    m_columns = std::move(columns);
    m_tableColumns = std::move(tableColumns);
    m_readOnly = readOnly;
    m_state = State::Browse;
    m_modified = false;
    m_current = m_rowids.empty() ? -1 : 0;
    endResetModel();
    Q_EMIT currentRowChanged(m_current);
    notify();
}

void Query::close()
{
    if (!isOpen())
        return;
    beginResetModel();
    // Release the memory, not just the rows: a closed query may live on for the whole run.
    m_cells = {};
    m_rowids = {};
    m_columns.clear();
    m_tableColumns.clear();
    m_assigned.clear();
    m_original.clear();
    m_table = nullptr;
    m_state = State::Closed;
    m_readOnly = false;
    m_modified = false;
    m_current = -1;
    endResetModel();
}

void Query::requireOpen() const
{
    if (!isOpen())
        throw Error(Kind::NotOpen, QStringLiteral("Dotaz není otevřen."));
}

void Query::requireWritable() const
{
    requireOpen();
    if (m_readOnly)
        throw Error(Kind::ReadOnlyResult,
                    QStringLiteral(
                        "Seřazený výpis ani součet nelze měnit. Pro úpravy zobrazte tabulku %1 bez řazení.")
                        .arg(m_table->fileName),
                    m_table->fileName);
    requireFileWritable();
}

void Query::requireFileWritable() const
{
    if (m_table->readOnly)
        throw Error(
            Kind::ReadOnlyFile,
            QStringLiteral("Tabulka %1 je jen pro čtení, změny nelze uložit. Zkontrolujte práva k souboru.")
                .arg(m_table->fileName),
            m_table->fileName);
}

void Query::notify()
{
    Q_EMIT dataChange();
}

void Query::setCurrent(int row)
{
    m_current = row;
    Q_EMIT currentRowChanged(row);
}

void Query::removeRowAt(int row)
{
    // A view moves its current row off the row being removed while it goes; that is no move of the user's.
    const QScopedValueRollback<bool> removing(m_removing, true);
    beginRemoveRows({}, row, row);
    const auto first = m_cells.begin() + qsizetype(size_t(row) * m_columns.size());
    m_cells.erase(first, first + qsizetype(m_columns.size()));
    m_rowids.erase(m_rowids.begin() + row);
    endRemoveRows();
    setCurrent(std::min(m_current, recordCount() - 1));
}

void Query::dropPendingNewRow()
{
    m_state = State::Browse;
    m_modified = false;
    removeRowAt(recordCount() - 1);
}

void Query::storePending()
{
    TableFile &t = *m_table;
    m_db.ensureCurrent(t);
    if (m_state == State::Insert) {
        Stmt stmt(t, insertStatement(sqlIdentifier(t.innerName)), kStore);
        stmt.check(bindPendingRow(stmt.get()));
        stmt.step();
        ++t.writes;
        m_rowids[m_current] = sqlite3_last_insert_rowid(t.db);
    } else if (m_modified) {
        QList<QByteArray> sets;
        std::vector<size_t> changed;
        for (size_t c = 0; c < m_columns.size(); ++c)
            if (m_assigned[c]) {
                sets << sqlIdentifier(m_columns[c].name) + " = ?";
                changed.push_back(c);
            }
        Stmt stmt(t, "UPDATE " + sqlIdentifier(t.innerName) + " SET " + sets.join(", ") + " WHERE rowid = ?",
                  kStore);
        int p = 1;
        for (size_t c : changed)
            stmt.check(bindValue(stmt.get(), p++, m_columns[c].type, cell(m_current, int(c))));
        stmt.check(sqlite3_bind_int64(stmt.get(), p, m_rowids[m_current]));
        stmt.step();
        ++t.writes;
        if (sqlite3_changes(t.db) != 1)
            throw Error(
                Kind::RowGone,
                QStringLiteral("Upravovaný záznam už v tabulce %1 není, změnu nelze uložit.").arg(t.fileName),
                t.fileName);
    }
    m_state = State::Browse;
    m_modified = false;
    m_original.clear();
    Q_EMIT stored();
}

QByteArray Query::insertStatement(const QByteArray &table) const
{
    QList<QByteArray> names, marks;
    for (int c : m_tableColumns) {
        names << sqlIdentifier(m_table->columns[size_t(c)].name);
        marks << "?";
    }
    return names.isEmpty()
               ? "INSERT INTO " + table + " DEFAULT VALUES"
               : "INSERT INTO " + table + " (" + names.join(", ") + ") VALUES (" + marks.join(", ") + ")";
}

int Query::bindPendingRow(sqlite3_stmt *st) const
{
    for (size_t c = 0; c < m_columns.size(); ++c)
        if (const int rc = bindValue(st, int(c) + 1, m_columns[c].type, cell(m_current, int(c)));
            rc != SQLITE_OK)
            return rc;
    return SQLITE_OK;
}

void Query::append()
{
    requireWritable();
    if (m_state == State::Insert || m_state == State::Edit) {
        if (m_modified)
            post();
        else
            cancel();
    }
    const int row = recordCount();
    beginInsertRows({}, row, row);
    m_rowids.push_back(0);
    m_cells.resize(m_cells.size() + qsizetype(m_columns.size()));
    m_state = State::Insert;
    m_modified = false;
    m_assigned.assign(m_columns.size(), false);
    endInsertRows();
    setCurrent(row);
    notify();
}

void Query::post()
{
    requireOpen();
    if (m_state != State::Insert && m_state != State::Edit)
        throw Error(Kind::NothingToPost,
                    QStringLiteral("Není co uložit: žádný záznam tabulky %1 se právě neupravuje.")
                        .arg(m_table->fileName),
                    m_table->fileName);
    storePending();
    notify();
}

void Query::cancel()
{
    if (m_state == State::Insert) {
        dropPendingNewRow();
        notify();
    } else if (m_state == State::Edit) {
        std::copy(m_original.begin(), m_original.end(), &cell(m_current, 0));
        m_original.clear();
        m_state = State::Browse;
        m_modified = false;
        Q_EMIT dataChanged(index(m_current, 0), index(m_current, columnCount() - 1));
        notify();
    }
}

void Query::deleteCurrent()
{
    requireOpen();
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    requireWritable();
    if (isEmpty())
        throw Error(Kind::EmptyResult,
                    QStringLiteral("Není co smazat: výpis tabulky %1 neobsahuje žádný záznam.")
                        .arg(m_table->fileName),
                    m_table->fileName);
    if (m_state == State::Edit)
        cancel();
    m_db.ensureCurrent(*m_table);
    Stmt stmt(*m_table, "DELETE FROM " + sqlIdentifier(m_table->innerName) + " WHERE rowid = ?", kDelete);
    stmt.check(sqlite3_bind_int64(stmt.get(), 1, m_rowids[m_current]));
    stmt.step(); // no row deleted means it was gone already: the table holds what was asked
    ++m_table->writes;
    removeRowAt(m_current);
    notify();
}

void Query::moveTo(int row)
{
    requireOpen();
    if (m_removing || row < 0 || row >= recordCount() || row == m_current)
        return;
    if (m_state == State::Insert && !m_modified) {
        dropPendingNewRow();
        row = std::min(row, recordCount() - 1);
    } else if (m_state == State::Insert || m_state == State::Edit) {
        storePending();
    }
    setCurrent(row);
    notify();
}

void Query::edit()
{
    requireWritable();
    if (m_state != State::Browse)
        return;
    if (isEmpty()) {
        append();
        return;
    }
    m_state = State::Edit;
    m_original.assign(&cell(m_current, 0), &cell(m_current, 0) + m_columns.size());
    m_assigned.assign(m_columns.size(), false);
    m_modified = false;
}

int Query::fieldIndex(const QString &name) const
{
    for (size_t i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

int Query::requireField(const QString &name) const
{
    const int c = fieldIndex(name);
    if (c < 0)
        throw Error(
            Kind::UnknownField,
            QStringLiteral("Pole „%1“ ve výsledku dotazu na tabulku %2 není.").arg(name, tableFileName()),
            tableFileName());
    return c;
}

QString Query::fieldText(const QString &name) const
{
    if (!isOpen())
        return {};
    const int c = requireField(name);
    if (m_current < 0)
        return {};
    return store::valueText(m_columns[size_t(c)].type, cell(m_current, c));
}

qint64 Query::fieldInt(const QString &name) const
{
    if (!isOpen())
        return 0;
    const int c = requireField(name);
    if (m_current < 0)
        return 0;
    const QVariant &v = cell(m_current, c);
    if (v.isNull())
        return 0;
    switch (m_columns[size_t(c)].type) {
    case FieldType::Number:
    case FieldType::Money:
        return roundHalfEven(v.toDouble());
    case FieldType::Text:
        if (const auto n = parseNumber(v.toString()))
            return roundHalfEven(*n);
        break;
    default:
        break;
    }
    throw Error(Kind::Conversion, QStringLiteral("Hodnotu „%1“ pole %2 nelze číst jako číslo.")
                                      .arg(fieldText(name), m_columns[size_t(c)].name));
}

QString Query::valueText(int row, int column) const
{
    return store::valueText(m_columns[size_t(column)].type, cell(row, column));
}

QByteArray Query::fieldPicture(const QString &name) const
{
    if (!isOpen() || m_current < 0)
        return {};
    const int c = requireField(name);
    return cell(m_current, c).toByteArray();
}

bool Query::isSameValue(int row, int column, const QVariant &value) const
{
    // Compared as shown: a value the cell already shows (an empty text on a NULL included) is no change,
    // so opening and leaving a cell never rewrites a row, nor rounds a long number it holds.
    const QVariant &old = cell(row, column);
    if (old.isNull() || value.isNull())
        return old.isNull() && value.isNull();
    const FieldType type = m_columns[size_t(column)].type;
    if (type == FieldType::Picture)
        return old.toByteArray() == value.toByteArray();
    return store::valueText(type, old) == store::valueText(type, value);
}

void Query::assign(int column, const QVariant &value)
{
    requireWritable();
    if (m_current < 0)
        throw Error(Kind::EmptyResult,
                    QStringLiteral("Výpis tabulky %1 neobsahuje žádný záznam, do kterého by šlo psát.")
                        .arg(m_table->fileName),
                    m_table->fileName);
    if (isSameValue(m_current, column, value))
        return;
    if (m_state == State::Browse)
        edit();
    cell(m_current, column) = value;
    m_assigned[size_t(column)] = true;
    m_modified = true;
    Q_EMIT dataChanged(index(m_current, column), index(m_current, column));
    notify();
}

void Query::setFieldText(const QString &name, const QString &text)
{
    requireOpen();
    const int c = requireField(name);
    assign(c, valueFromText(m_columns[size_t(c)], text));
}

void Query::setFieldPicture(const QString &name, const QByteArray &bmp)
{
    requireOpen();
    const int c = requireField(name);
    if (m_columns[size_t(c)].type != FieldType::Picture)
        throw Error(Kind::Conversion, QStringLiteral("Pole %1 není obrázek.").arg(m_columns[size_t(c)].name));
    assign(c, bmp.isEmpty() ? QVariant() : QVariant(bmp));
}

int Query::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : recordCount();
}

int Query::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant Query::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= recordCount() || index.column() >= int(m_columns.size()))
        return {};
    const FieldDef &f = m_columns[size_t(index.column())];
    const QVariant &v = cell(index.row(), index.column());
    switch (role) {
    case Qt::DisplayRole:
        return store::valueText(f.type, v);
    case Qt::EditRole:
        return f.type == FieldType::Picture ? QVariant() : QVariant(store::valueText(f.type, v));
    case Qt::TextAlignmentRole:
        if (f.type == FieldType::Number || f.type == FieldType::Money)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

QVariant Query::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < int(m_columns.size()) ? QVariant(columnTitle(section)) : QVariant();
    if (section == m_current && m_state == State::Insert)
        return QStringLiteral("*");
    return section == m_current ? QStringLiteral("▶") : QString();
}

void Query::setColumnTitles(const QMap<QString, QString> &titles)
{
    m_titles.clear();
    for (auto it = titles.begin(); it != titles.end(); ++it)
        m_titles.insert(it.key().toLower(), it.value());
    if (!m_columns.empty())
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, int(m_columns.size()) - 1);
}

QString Query::columnTitle(int column) const
{
    const QString &name = m_columns[size_t(column)].name;
    return m_titles.value(name.toLower(), name);
}

Qt::ItemFlags Query::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!m_readOnly && m_table && !m_table->readOnly &&
        m_columns[size_t(index.column())].type != FieldType::Picture)
        f |= Qt::ItemIsEditable;
    return f;
}

bool Query::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.row() >= recordCount())
        return false;
    try {
        const FieldDef &f = m_columns[size_t(index.column())];
        const QVariant v = value.typeId() == QMetaType::QDate && f.type == FieldType::Date
                               ? (value.toDate().isValid() ? value : QVariant())
                               : valueFromText(f, value.toString());
        // An editor closing over a cell it did not change is no edit, and moves nothing.
        if (isSameValue(index.row(), index.column(), v))
            return true;
        if (index.row() != m_current)
            moveTo(index.row());
        assign(index.column(), v);
        return true;
    } catch (const Error &e) {
        Q_EMIT failed(e.message());
        return false;
    }
}

} // namespace store

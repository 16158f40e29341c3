#include "querytext.h"

#include "error.h"

namespace store {

namespace {

// Why a text was refused; turned into the engine error with the whole text quoted.
struct Refusal {
    QString why;
};

struct Token {
    enum class Type { End, Word, String, Punct };
    Type type = Type::End;
    QString text;
};

// A lexer for one line: words, double-quoted strings (no escapes), and the punctuation ( ) , *.
class Lexer {
public:
    explicit Lexer(const QString &line) : m_s(line) {}

    Token next()
    {
        skipBlanks();
        if (m_i >= m_s.size())
            return {};
        const QChar c = m_s[m_i];
        if (c == u'"') {
            const qsizetype end = m_s.indexOf(u'"', m_i + 1);
            if (end < 0)
                fail(QStringLiteral("neukončený text v uvozovkách"));
            Token t{Token::Type::String, m_s.mid(m_i + 1, end - m_i - 1)};
            m_i = end + 1;
            return t;
        }
        if (c == u'(' || c == u')' || c == u',' || c == u'*') {
            ++m_i;
            return {Token::Type::Punct, QString(c)};
        }
        if (isWordChar(c)) {
            const qsizetype b = m_i;
            while (m_i < m_s.size() && isWordChar(m_s[m_i]))
                ++m_i;
            return {Token::Type::Word, m_s.mid(b, m_i - b)};
        }
        fail(QStringLiteral("nečekaný znak „%1“").arg(c));
    }

    // The rest of the line after the blanks, for the table name.
    QString rest()
    {
        skipBlanks();
        QString r = m_s.mid(m_i).trimmed();
        m_i = m_s.size();
        return r;
    }

    [[noreturn]] static void fail(const QString &why) { throw Refusal{why}; }

private:
    static bool isWordChar(QChar c) { return c.isLetterOrNumber() || c == u'_'; }
    void skipBlanks()
    {
        while (m_i < m_s.size() && m_s[m_i].isSpace())
            ++m_i;
    }

    const QString &m_s;
    qsizetype m_i = 0;
};

bool isKeyword(const Token &t, const char *word)
{
    return t.type == Token::Type::Word && t.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

void expectKeyword(Lexer &lx, const char *word)
{
    if (!isKeyword(lx.next(), word))
        Lexer::fail(QStringLiteral("očekáváno „%1“").arg(QLatin1String(word)));
}

void expectPunct(Lexer &lx, char16_t p)
{
    const Token t = lx.next();
    if (t.type != Token::Type::Punct || t.text != QChar(p))
        Lexer::fail(QStringLiteral("očekáváno „%1“").arg(QChar(p)));
}

QString expectWord(Lexer &lx, const QString &what)
{
    const Token t = lx.next();
    if (t.type != Token::Type::Word)
        Lexer::fail(QStringLiteral("očekáváno %1").arg(what));
    return t.text;
}

QString expectString(Lexer &lx)
{
    const Token t = lx.next();
    if (t.type != Token::Type::String)
        Lexer::fail(QStringLiteral("očekávána hodnota v uvozovkách"));
    return t.text;
}

void expectEnd(Lexer &lx)
{
    if (lx.next().type != Token::Type::End)
        Lexer::fail(QStringLiteral("nadbytečný text na konci řádku"));
}

const QString kField = QStringLiteral("název pole");

QString tableName(const QString &raw)
{
    QString name = raw;
    if (name.endsWith(QLatin1String(".db"), Qt::CaseInsensitive))
        name.chop(3);
    if (name.isEmpty())
        Lexer::fail(QStringLiteral("chybí název tabulky"));
    if (!isTableName(name))
        Lexer::fail(QStringLiteral("neplatný název tabulky „%1“").arg(raw));
    return name;
}

void parseSelect(const QString &line, Statement &st)
{
    Lexer lx(line);
    expectKeyword(lx, "select");
    Token t = lx.next();
    if (t.type == Token::Type::Punct && t.text == u"*") {
        expectKeyword(lx, "from");
    } else if (isKeyword(t, "sum") || isKeyword(t, "count")) {
        st.kind = Statement::Kind::Aggregate;
        st.function = t.text.toLower();
        expectPunct(lx, u'(');
        const Token arg = lx.next();
        if (arg.type == Token::Type::Word)
            st.argument = arg.text;
        else if (st.function == u"count" && arg.type == Token::Type::Punct && arg.text == u"*")
            st.argument = arg.text;
        else
            Lexer::fail(QStringLiteral("očekáván název pole v závorce"));
        expectPunct(lx, u')');
        expectKeyword(lx, "as");
        st.alias = expectWord(lx, QStringLiteral("název výsledku"));
        expectKeyword(lx, "from");
    } else if (t.type == Token::Type::Word) {
        st.columns << t.text;
        for (;;) {
            t = lx.next();
            if (isKeyword(t, "from"))
                break;
            if (t.type != Token::Type::Punct || t.text != u",")
                Lexer::fail(QStringLiteral("očekávána čárka nebo „from“"));
            st.columns << expectWord(lx, kField);
        }
    } else {
        Lexer::fail(QStringLiteral("očekáváno „*“, seznam polí nebo sum/count"));
    }
    st.table = tableName(lx.rest());
}

Filter parseWhere(Lexer &lx)
{
    Filter f;
    Token t = lx.next();
    if (t.type == Token::Type::Word) {
        f.kind = Filter::Kind::Between;
        f.field = t.text;
        expectKeyword(lx, "between");
        f.low = expectString(lx);
        expectKeyword(lx, "and");
        f.high = expectString(lx);
        expectEnd(lx);
        return f;
    }
    f.kind = Filter::Kind::Like;
    for (;;) {
        if (t.type != Token::Type::Punct || t.text != u"(")
            Lexer::fail(QStringLiteral("očekávána „(“"));
        LikeTerm term;
        term.field = expectWord(lx, kField);
        expectKeyword(lx, "like");
        term.pattern = expectString(lx);
        expectPunct(lx, u')');
        f.terms.push_back(term);
        t = lx.next();
        if (t.type == Token::Type::End)
            return f;
        if (!isKeyword(t, "or"))
            Lexer::fail(QStringLiteral("očekáváno „or“"));
        t = lx.next();
    }
}

} // namespace

bool isTableName(const QString &name)
{
    if (name.isEmpty())
        return false;
    for (QChar c : name)
        if (!(c.isLetterOrNumber() || c == u'_' || c == u'+' || c == u'-'))
            return false;
    return true;
}

QueryLine QueryLine::withFilter(QString text, Filter filter)
{
    QueryLine line(std::move(text));
    line.m_filter = std::make_shared<const Filter>(std::move(filter));
    return line;
}

QueryLine likeLine(const std::vector<LikeTerm> &terms)
{
    QStringList parts;
    for (const LikeTerm &t : terms)
        parts << QStringLiteral("(%1 %2 \"%3\")")
                     .arg(t.field, t.exact ? QStringLiteral("=") : QStringLiteral("like"), t.pattern);
    Filter f;
    f.kind = Filter::Kind::Like;
    f.terms = terms;
    return QueryLine::withFilter(QStringLiteral("where ") + parts.join(QStringLiteral(" or ")), std::move(f));
}

QueryLine matchLine(const QString &field, const QString &value)
{
    return likeLine({{field, value}});
}

QueryLine exactMatchLine(const QString &field, const QString &value)
{
    return likeLine({{field, value, true}});
}

QueryLine servicesSearchLine(const QString &text)
{
    const QString pattern = u'%' + text + u'%';
    return likeLine({{QStringLiteral("stroj"), pattern}, {QStringLiteral("komu"), pattern}});
}

QString joinedText(const QList<QueryLine> &lines)
{
    QStringList texts;
    for (const QueryLine &l : lines)
        texts << l.text();
    return texts.join(u'\n');
}

Statement parseQuery(const QList<QueryLine> &lines)
{
    Statement st;
    try {
        bool haveSelect = false, haveFilter = false, haveOrder = false;
        for (const QueryLine &line : lines) {
            if (line.text().trimmed().isEmpty())
                continue;
            if (!haveSelect) {
                parseSelect(line.text(), st);
                haveSelect = true;
                continue;
            }
            Lexer lx(line.text());
            const Token first = lx.next();
            if (isKeyword(first, "where")) {
                if (haveFilter || haveOrder)
                    Lexer::fail(haveFilter ? QStringLiteral("podmínka „where“ je uvedena dvakrát")
                                           : QStringLiteral("podmínka „where“ musí stát před „order by“"));
                st.filter = line.filter() ? *line.filter() : parseWhere(lx);
                haveFilter = true;
            } else if (isKeyword(first, "order")) {
                if (haveOrder)
                    Lexer::fail(QStringLiteral("řazení „order by“ je uvedeno dvakrát"));
                if (st.kind == Statement::Kind::Aggregate)
                    Lexer::fail(QStringLiteral("součet nebo počet nelze řadit"));
                expectKeyword(lx, "by");
                st.orderBy = expectWord(lx, kField);
                expectEnd(lx);
                haveOrder = true;
            } else {
                Lexer::fail(QStringLiteral("očekáváno „where“ nebo „order by“"));
            }
        }
        if (!haveSelect)
            Lexer::fail(QStringLiteral("dotaz je prázdný"));
    } catch (const Refusal &r) {
        throw Error(Error::Kind::BadQuery,
                    QStringLiteral("Chybný text dotazu (%1): „%2“").arg(r.why, joinedText(lines)));
    }
    return st;
}

} // namespace store

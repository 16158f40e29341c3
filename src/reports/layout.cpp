#include "layout.h"

namespace reports {

Element *Layout::element(const QString &name)
{
    for (Band &b : bands)
        for (Element &e : b.elements)
            if (e.name == name)
                return &e;
    return nullptr;
}

const Element *Layout::element(const QString &name) const
{
    return const_cast<Layout *>(this)->element(name);
}

Band *Layout::band(const QString &name)
{
    for (Band &b : bands)
        if (b.name == name)
            return &b;
    return nullptr;
}

const Band *Layout::band(BandKind kind) const
{
    for (const Band &b : bands)
        if (b.kind == kind)
            return &b;
    return nullptr;
}

} // namespace reports

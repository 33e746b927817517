#include "RecordingSurface.h"

namespace vinaxo::test {

void RecordingSurface::add(Printed p)
{
    p.page = page();
    p.font = font();
    m_log.push_back(std::move(p));
}

void RecordingSurface::paintText(double x, double y, const QString& text)
{
    add(Printed{Printed::Text, 0, x, y, 0, 0, text, {}});
}

void RecordingSurface::paintLine(double x1, double y1, double x2, double y2)
{
    add(Printed{Printed::Line, 0, x1, y1, x2, y2, {}, {}});
}

void RecordingSurface::startNewPage()
{
    if (m_failOnPage == page() + 1)
        throw PrinterError{PrinterError::Failed, QStringLiteral("out of paper")};
    add(Printed{Printed::NewPage, 0, 0, 0, 0, 0, {}, {}});
}

void RecordingSurface::finishDocument()
{
    add(Printed{Printed::EndDoc, 0, 0, 0, 0, 0, {}, {}});
}

void RecordingSurface::abandonDocument()
{
    add(Printed{Printed::KillDoc, 0, 0, 0, 0, 0, {}, {}});
}

std::vector<Printed> RecordingSurface::texts() const
{
    std::vector<Printed> v;
    for (const Printed& p : m_log)
        if (p.kind == Printed::Text)
            v.push_back(p);
    return v;
}

std::vector<Printed> RecordingSurface::lines() const
{
    std::vector<Printed> v;
    for (const Printed& p : m_log)
        if (p.kind == Printed::Line)
            v.push_back(p);
    return v;
}

QStringList RecordingSurface::pageTexts(int page) const
{
    QStringList v;
    for (const Printed& p : m_log)
        if (p.kind == Printed::Text && p.page == page)
            v.push_back(p.text);
    return v;
}

const Printed* RecordingSurface::find(const QString& s) const
{
    for (const Printed& p : m_log)
        if (p.kind == Printed::Text && p.text == s)
            return &p;
    return nullptr;
}

int RecordingSurface::count(Printed::Kind kind) const
{
    int n = 0;
    for (const Printed& p : m_log)
        n += p.kind == kind;
    return n;
}

} // namespace vinaxo::test

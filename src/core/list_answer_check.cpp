#include "core/list_answer_check.h"

namespace {

bool isNameCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

// The fields "name[value]name" of a text, walked in order from one field's end to the next
// opening marker: how many are whole, and whether the text ends inside one.
struct FieldWalk
{
    int whole = 0;
    bool endsInside = false;
};

FieldWalk walkFields(QStringView text)
{
    FieldWalk walk;
    qsizetype at = 0;
    for (qsizetype open = text.indexOf(u'['); open >= 0; open = text.indexOf(u'[', at)) {
        qsizetype start = open;
        while (start > at && isNameCharacter(text[start - 1]))
            --start;
        if (start == open) {
            at = open + 1;
            continue;
        }
        const QString close = u']' + text.sliced(start, open - start).toString();
        const qsizetype closed = text.indexOf(close, open + 1);
        if (closed < 0) {
            walk.endsInside = true;
            return walk;
        }
        ++walk.whole;
        at = closed + close.size();
    }
    return walk;
}

} // namespace

ListFault ListFaultOf(const QString& answer, HttpOutcome outcome, const QString& separator)
{
    if (outcome == HttpOutcome::TimedOut)
        return ListFault::TimedOut;
    if (outcome == HttpOutcome::Failed)
        return answer.isEmpty() ? ListFault::NoAnswer : ListFault::CutInTransfer;
    if (answer.isEmpty())
        return ListFault::Empty;
    const qsizetype lastSeparator = answer.lastIndexOf(separator);
    if (lastSeparator < 0) {
        const FieldWalk head = walkFields(answer);
        if (head.whole == 0)
            return ListFault::NotAList;
        return head.endsInside ? ListFault::CutInField : ListFault::None;
    }
    const FieldWalk last = walkFields(QStringView(answer).sliced(lastSeparator + separator.size()));
    return last.endsInside ? ListFault::CutInField : ListFault::None;
}

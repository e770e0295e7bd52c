#include "report/CsvCell.h"

QString SpreadsheetTextCell(const QString& text)
{
    if (text.isEmpty())
        return text;
    const QChar first = text.front();
    const bool formula = first == u'=' || first == u'+' || first == u'-' || first == u'@' || first == u'\t'
                         || first == u'\r';
    return formula ? u'\'' + text : text;
}

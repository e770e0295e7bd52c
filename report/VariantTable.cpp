#include "report/VariantTable.h"

#include <QCoreApplication>
#include <QStringDecoder>

namespace {

const char kByteOrderMark[] = "\xEF\xBB\xBF";

// The text of `bytes` by its byte-order mark (UTF-8, UTF-16 LE or BE), UTF-8 without one.
QString DecodedText(const QByteArray& bytes, QString& encoding)
{
    QStringDecoder::Encoding kind = QStringDecoder::Utf8;
    qsizetype skip = 0;
    encoding = QStringLiteral("UTF-8");
    if (bytes.startsWith(kByteOrderMark)) {
        skip = 3;
    } else if (bytes.startsWith("\xFF\xFE")) {
        kind = QStringDecoder::Utf16LE;
        encoding = QStringLiteral("UTF-16 LE");
        skip = 2;
    } else if (bytes.startsWith("\xFE\xFF")) {
        kind = QStringDecoder::Utf16BE;
        encoding = QStringLiteral("UTF-16 BE");
        skip = 2;
    }
    QStringDecoder decoder(kind, QStringDecoder::Flag::Stateless);
    QString text = decoder(QByteArrayView(bytes).sliced(skip));
    // Half of a pair of surrogates (a character cut in two) becomes U+FFFD, as a broken byte does.
    bool broken = decoder.hasError();
    if (!text.isValidUtf16()) {
        broken = true;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                ++i;
            else if (text[i].isSurrogate())
                text[i] = QChar(QChar::ReplacementCharacter);
        }
    }
    if (broken)
        encoding += QCoreApplication::translate("Report", " с ошибками");
    else if (kind == QStringDecoder::Utf8 && bytes.contains('\0'))
        encoding = QCoreApplication::translate("Report", "похоже на UTF-16 без метки порядка байтов");
    return text;
}

// The kinds of line end the text holds, as the messages name them: "CR LF", "LF", "CR".
QString LineEnds(const QString& text)
{
    bool crlf = false, lf = false, cr = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            crlf = true;
            ++i;
        } else if (text[i] == u'\r') {
            cr = true;
        } else if (text[i] == u'\n') {
            lf = true;
        }
    }
    QStringList kinds;
    if (crlf)
        kinds << QStringLiteral("CR LF");
    if (lf)
        kinds << QStringLiteral("LF");
    if (cr)
        kinds << QStringLiteral("CR");
    return kinds.isEmpty() ? QCoreApplication::translate("Report", "нет") : kinds.join(QStringLiteral(", "));
}

// The separator the header line (the first that is not blank) holds: ";" before a tab before ",".
QChar DetectSeparator(const QString& text)
{
    QString header;
    qsizetype start = 0;
    while (start < text.size() && header.trimmed().isEmpty()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        header = text.mid(start, end - start);
        start = end + 1;
    }
    if (header.contains(u';'))
        return u';';
    if (header.contains(u'\t'))
        return u'\t';
    return u',';
}

// Splits the text into records of fields, quotes first, then separators and line ends.
class RecordReader {
public:
    RecordReader(const QString& text, QChar separator) : text_(text), separator_(separator) {}

    QList<VariantRecord> Records()
    {
        for (i_ = 0; i_ < text_.size(); ++i_) {
            const QChar c = text_[i_];
            if (!quoted_ && c != u'\r' && c != u'\n' && !c.isSpace())
                visible_ = true;
            if (quoted_)
                Quoted(c);
            else if (c == u'"' && field_.trimmed().isEmpty())
                StartQuote();
            else if (c == separator_)
                EndField();
            else if (c == u'\r' || c == u'\n')
                EndLine(c);
            else
                field_ += c;
        }
        EndRecord();
        return records_;
    }

private:
    void Quoted(QChar c)
    {
        if (c == u'"' && i_ + 1 < text_.size() && text_[i_ + 1] == u'"') {
            field_ += u'"';
            ++i_;
        } else if (c == u'"') {
            quoted_ = false;
        } else {
            field_ += c;
            CountLine(c);
        }
    }
    void StartQuote()
    {
        field_.clear();
        quoted_ = true;
    }
    void EndField()
    {
        fields_ << field_;
        field_.clear();
    }
    void EndLine(QChar c)
    {
        CountLine(c);
        EndRecord();
        recordLine_ = line_;
    }
    // A CR LF pair is one line break; a lone CR or LF is one too.
    void CountLine(QChar c)
    {
        if (c == u'\n' || (c == u'\r' && (i_ + 1 >= text_.size() || text_[i_ + 1] != u'\n')))
            ++line_;
    }
    void EndRecord()
    {
        fields_ << field_;
        field_.clear();
        if (visible_)
            records_.push_back({recordLine_, fields_});
        fields_.clear();
        visible_ = false;
    }

    const QString& text_;
    const QChar separator_;
    qsizetype i_ = 0;
    bool quoted_ = false;
    bool visible_ = false;   // the record holds more than blanks (a quote, a separator, a letter)
    int line_ = 1;
    int recordLine_ = 1;
    QString field_;
    QStringList fields_;
    QList<VariantRecord> records_;
};

}  // namespace

int VariantTable::Column(const QString& name) const
{
    for (int c = 0; c < header.fields.size(); ++c) {
        if (header.fields[c].trimmed().compare(name, Qt::CaseInsensitive) == 0)
            return c;
    }
    return -1;
}

bool ParseVariantTable(const QByteArray& bytes, VariantTable& table)
{
    const QString text = DecodedText(bytes, table.encoding);
    table.lineEnds = LineEnds(text);
    const QChar separator = DetectSeparator(text);
    QList<VariantRecord> records = RecordReader(text, separator).Records();
    if (records.isEmpty())
        return false;
    table.separator = separator;
    table.header = records.takeFirst();
    table.records = std::move(records);
    return true;
}

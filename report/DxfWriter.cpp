#include "report/DxfWriter.h"

#include "kinematics/NumberText.h"
#include "report/AtomicWrite.h"

#include <QCoreApplication>
#include <QIODevice>

#include <algorithm>
#include <array>

namespace {

constexpr int kCoordinateDecimals = 4;  // 0,1 µm on paper
constexpr SheetLayer kLayers[] = {SheetLayer::Contour, SheetLayer::Thin, SheetLayer::Axis, SheetLayer::Text,
                                  SheetLayer::Dimension};
// Halves of a text's alignment: DXF's 72 (horizontal) codes.
constexpr int kLeft = 0;
constexpr int kCentre = 1;
constexpr int kRight = 2;

QByteArray Hex(unsigned value)
{
    return QByteArray::number(value, 16).toUpper();
}

class DxfOut {
public:
    void Tag(int code, const QByteArray& value)
    {
        text_ += QByteArray::number(code).rightJustified(3, ' ') + "\r\n" + value + "\r\n";
    }
    void Tag(int code, const char* value) { Tag(code, QByteArray(value)); }
    void Int(int code, long long value) { Tag(code, QByteArray::number(value)); }
    void Real(int code, double value) { Tag(code, QByteArray::fromStdString(PointFixedText(value, kCoordinateDecimals))); }
    void Point(int code, SheetPoint p)
    {
        Real(code, p.x);
        Real(code + 10, p.y);
        Real(code + 20, 0);
    }
    // A new object's handle, and its tag.
    unsigned Handle()
    {
        const unsigned h = next_++;
        Tag(5, Hex(h));
        return h;
    }
    unsigned Reserve() { return next_++; }
    unsigned NextHandle() const { return next_; }
    const QByteArray& Text() const { return text_; }
    QByteArray& Buffer() { return text_; }

private:
    QByteArray text_;
    unsigned next_ = 0x20;
};

// Handles fixed before the tables are written, so every record can name its owner.
struct Owners {
    unsigned modelSpaceRecord = 0;
    unsigned paperSpaceRecord = 0;
    unsigned rootDictionary = 0;
};

void BeginTable(DxfOut& out, const char* name, unsigned& handle, int count)
{
    out.Tag(0, "TABLE");
    out.Tag(2, name);
    handle = out.Handle();
    out.Tag(330, "0");
    out.Tag(100, "AcDbSymbolTable");
    out.Int(70, count);
}

// The start of an object with a handle of its own: its type, the handle and its owner's handle.
void BeginObject(DxfOut& out, const char* type, unsigned owner)
{
    out.Tag(0, type);
    out.Handle();
    out.Tag(330, Hex(owner));
}

void Record(DxfOut& out, const char* type, unsigned table, const char* subclass)
{
    BeginObject(out, type, table);
    out.Tag(100, "AcDbSymbolTableRecord");
    out.Tag(100, subclass);
}

void LineTypes(DxfOut& out)
{
    unsigned table = 0;
    BeginTable(out, "LTYPE", table, 4);
    for (const char* name : {"ByBlock", "ByLayer", "Continuous"}) {
        Record(out, "LTYPE", table, "AcDbLinetypeTableRecord");
        out.Tag(2, name);
        out.Int(70, 0);
        out.Tag(3, QByteArray(name) == "Continuous" ? "Solid line" : "");
        out.Int(72, 65);
        out.Int(73, 0);
        out.Real(40, 0);
    }
    // The dash-dot line of axes: a 12 mm dash, a gap, a dot, a gap.
    Record(out, "LTYPE", table, "AcDbLinetypeTableRecord");
    out.Tag(2, "CENTER");
    out.Int(70, 0);
    out.Tag(3, "Center ____ . ____ . ____");
    out.Int(72, 65);
    out.Int(73, 4);
    out.Real(40, 18);
    for (const double element : {12.0, -3.0, 0.0, -3.0}) {
        out.Real(49, element);
        out.Int(74, 0);
    }
    out.Tag(0, "ENDTAB");
}

void Layers(DxfOut& out)
{
    unsigned table = 0;
    BeginTable(out, "LAYER", table, 1 + static_cast<int>(std::size(kLayers)));
    const auto layer = [&](const char* name, const char* lineType, int weight) {
        Record(out, "LAYER", table, "AcDbLayerTableRecord");
        out.Tag(2, name);
        out.Int(70, 0);
        out.Int(62, 7);
        out.Tag(6, lineType);
        out.Int(370, weight);
        out.Tag(390, "0");
    };
    layer("0", "Continuous", -3);
    for (const SheetLayer l : kLayers)
        layer(LayerName(l), l == SheetLayer::Axis ? "CENTER" : "Continuous",
              static_cast<int>(LayerLineWidth(l) * 100 + 0.5));
    out.Tag(0, "ENDTAB");
}

void Tables(DxfOut& out, const Owners& owners)
{
    out.Tag(0, "SECTION");
    out.Tag(2, "TABLES");
    unsigned table = 0;
    BeginTable(out, "VPORT", table, 0);
    out.Tag(0, "ENDTAB");
    LineTypes(out);
    Layers(out);
    BeginTable(out, "STYLE", table, 1);
    Record(out, "STYLE", table, "AcDbTextStyleTableRecord");
    out.Tag(2, "Standard");
    out.Int(70, 0);
    out.Real(40, 0);
    out.Real(41, 1);
    out.Real(50, 15);  // the slant of drawing letters
    out.Int(71, 0);
    out.Real(42, 3.5);
    out.Tag(3, "txt");
    out.Tag(4, "");
    out.Tag(0, "ENDTAB");
    for (const char* name : {"VIEW", "UCS"}) {
        BeginTable(out, name, table, 0);
        out.Tag(0, "ENDTAB");
    }
    BeginTable(out, "APPID", table, 1);
    Record(out, "APPID", table, "AcDbRegAppTableRecord");
    out.Tag(2, "ACAD");
    out.Int(70, 0);
    out.Tag(0, "ENDTAB");
    BeginTable(out, "DIMSTYLE", table, 1);
    out.Tag(100, "AcDbDimStyleTable");
    out.Tag(0, "DIMSTYLE");
    out.Tag(105, Hex(out.Reserve()));
    out.Tag(330, Hex(table));
    out.Tag(100, "AcDbSymbolTableRecord");
    out.Tag(100, "AcDbDimStyleTableRecord");
    out.Tag(2, "Standard");
    out.Int(70, 0);
    out.Tag(0, "ENDTAB");
    BeginTable(out, "BLOCK_RECORD", table, 2);
    for (const auto& [name, handle] : {std::pair{"*Model_Space", owners.modelSpaceRecord},
                                       std::pair{"*Paper_Space", owners.paperSpaceRecord}}) {
        out.Tag(0, "BLOCK_RECORD");
        out.Tag(5, Hex(handle));
        out.Tag(330, Hex(table));
        out.Tag(100, "AcDbSymbolTableRecord");
        out.Tag(100, "AcDbBlockTableRecord");
        out.Tag(2, name);
    }
    out.Tag(0, "ENDTAB");
    out.Tag(0, "ENDSEC");
}

// The start of an entity: its type, its handle, the block record that owns it and its layer.
void BeginEntity(DxfOut& out, const char* type, unsigned owner, const char* layer)
{
    BeginObject(out, type, owner);
    out.Tag(100, "AcDbEntity");
    out.Tag(8, layer);
}

void Blocks(DxfOut& out, const Owners& owners)
{
    out.Tag(0, "SECTION");
    out.Tag(2, "BLOCKS");
    for (const auto& [name, record] : {std::pair{"*Model_Space", owners.modelSpaceRecord},
                                       std::pair{"*Paper_Space", owners.paperSpaceRecord}}) {
        BeginEntity(out, "BLOCK", record, "0");
        out.Tag(100, "AcDbBlockBegin");
        out.Tag(2, name);
        out.Int(70, 0);
        out.Point(10, {0, 0});
        out.Tag(3, name);
        out.Tag(1, "");
        BeginEntity(out, "ENDBLK", record, "0");
        out.Tag(100, "AcDbBlockEnd");
    }
    out.Tag(0, "ENDSEC");
}

class EntityWriter {
public:
    EntityWriter(DxfOut& out, unsigned owner) : out_(out), owner_(owner) {}

    void Begin(const char* type, SheetLayer layer) { BeginEntity(out_, type, owner_, LayerName(layer)); }
    void operator()(const SheetLine& l)
    {
        Begin("LINE", l.layer);
        out_.Tag(100, "AcDbLine");
        out_.Point(10, l.from);
        out_.Point(11, l.to);
    }
    void operator()(const SheetCircle& c)
    {
        Begin("CIRCLE", c.layer);
        out_.Tag(100, "AcDbCircle");
        out_.Point(10, c.centre);
        out_.Real(40, c.radius);
    }
    void operator()(const SheetArc& a)
    {
        Begin("ARC", a.layer);
        out_.Tag(100, "AcDbCircle");
        out_.Point(10, a.centre);
        out_.Real(40, a.radius);
        out_.Tag(100, "AcDbArc");
        out_.Real(50, a.startDegrees);
        out_.Real(51, a.endDegrees);
    }
    void operator()(const SheetText& t)
    {
        Begin("TEXT", SheetLayer::Text);
        out_.Tag(100, "AcDbText");
        out_.Point(10, t.at);
        out_.Real(40, t.height);
        out_.Tag(1, DxfText(t.text));
        out_.Real(50, t.angleDegrees);
        out_.Tag(7, "Standard");
        const int align = t.align == TextAlign::Left ? kLeft : t.align == TextAlign::Centre ? kCentre : kRight;
        if (align != kLeft) {
            out_.Int(72, align);
            out_.Point(11, t.at);
        }
        out_.Tag(100, "AcDbText");
    }
    void operator()(const SheetPolyline& p)
    {
        Begin("LWPOLYLINE", p.layer);
        out_.Tag(100, "AcDbPolyline");
        out_.Int(90, static_cast<long long>(p.points.size()));
        out_.Int(70, p.closed || p.filled ? 1 : 0);
        out_.Real(43, 0);
        for (const SheetPoint& point : p.points) {
            out_.Real(10, point.x);
            out_.Real(20, point.y);
        }
    }

private:
    DxfOut& out_;
    unsigned owner_;
};

void Objects(DxfOut& out, const Owners& owners)
{
    out.Tag(0, "SECTION");
    out.Tag(2, "OBJECTS");
    const unsigned groups = owners.rootDictionary + 1;
    out.Tag(0, "DICTIONARY");
    out.Tag(5, Hex(owners.rootDictionary));
    out.Tag(330, "0");
    out.Tag(100, "AcDbDictionary");
    out.Int(281, 1);
    out.Tag(3, "ACAD_GROUP");
    out.Tag(350, Hex(groups));
    out.Tag(0, "DICTIONARY");
    out.Tag(5, Hex(groups));
    out.Tag(330, Hex(owners.rootDictionary));
    out.Tag(100, "AcDbDictionary");
    out.Int(281, 1);
    out.Tag(0, "ENDSEC");
}

}  // namespace

QByteArray DxfText(const QString& text)
{
    QByteArray bytes;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x20 && u < 0x7F)
            bytes += static_cast<char>(u);
        else if (u >= 0x20)
            bytes += "\\U+" + QByteArray::number(u, 16).toUpper().rightJustified(4, '0');
    }
    return bytes;
}

QByteArray SheetDxf(const SheetDrawing& sheet)
{
    DxfOut body;
    Owners owners;
    owners.modelSpaceRecord = body.Reserve();
    owners.paperSpaceRecord = body.Reserve();
    owners.rootDictionary = body.Reserve();
    body.Reserve();  // the group dictionary
    Tables(body, owners);
    Blocks(body, owners);
    body.Tag(0, "SECTION");
    body.Tag(2, "ENTITIES");
    EntityWriter entities(body, owners.modelSpaceRecord);
    for (const SheetItem& item : sheet.Items())
        std::visit(entities, item);
    body.Tag(0, "ENDSEC");
    Objects(body, owners);
    body.Tag(0, "EOF");

    // The header names the next free handle, known only now.
    DxfOut header;
    header.Tag(0, "SECTION");
    header.Tag(2, "HEADER");
    header.Tag(9, "$ACADVER");
    header.Tag(1, "AC1015");
    header.Tag(9, "$DWGCODEPAGE");
    header.Tag(3, "ANSI_1251");
    header.Tag(9, "$INSBASE");
    header.Point(10, {0, 0});
    header.Tag(9, "$EXTMIN");
    header.Point(10, {0, 0});
    header.Tag(9, "$EXTMAX");
    header.Point(10, {sheet.Width(), sheet.Height()});
    header.Tag(9, "$LIMMIN");
    header.Real(10, 0);
    header.Real(20, 0);
    header.Tag(9, "$LIMMAX");
    header.Real(10, sheet.Width());
    header.Real(20, sheet.Height());
    header.Tag(9, "$INSUNITS");
    header.Int(70, 4);  // millimetres
    header.Tag(9, "$MEASUREMENT");
    header.Int(70, 1);  // metric
    header.Tag(9, "$LWDISPLAY");
    header.Int(290, 1);
    header.Tag(9, "$HANDSEED");
    header.Tag(5, Hex(body.NextHandle()));
    header.Tag(0, "ENDSEC");
    return header.Text() + body.Text();
}

bool WriteSheetDxf(const SheetDrawing& sheet, const QString& path, QString& error)
{
    const QByteArray bytes = SheetDxf(sheet);
    return WriteFileAtomically(path, [&bytes](QIODevice& device, QString& reason) {
        if (device.write(bytes) != bytes.size()) {
            reason = QCoreApplication::translate("Report", "не удалось записать файл DXF.");
            return false;
        }
        return true;
    }, error);
}

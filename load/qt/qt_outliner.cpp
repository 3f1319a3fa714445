#include "qt_outliner.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainterPath>
#include <QRawFont>

#include <cstdio>
#include <map>
#include <unordered_map>
#include <vector>

namespace vectrim::load {

namespace {

// Glyphs are taken at this size, in pixels per em, and scaled to the text.
constexpr double kGlyphSize = 1000;
constexpr const char* kDefaultFamily = "DejaVu Sans";

void quietHandler(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

} // namespace

void quietQtMessages() { qInstallMessageHandler(quietHandler); }

struct QtOutliner::Impl {
    std::string fontFile;
    std::unique_ptr<QGuiApplication> ownApp;
    bool usable = false;
    struct Font {
        QRawFont raw;
        double scale = 0; // glyph units per pixel: 1 / cap height
        // Glyph outlines in glyph units at pen 0: FreeType's work done once.
        std::unordered_map<quint32, std::vector<dxf::TextOutline::Element>> glyphs;
    };
    std::map<std::string, Font> fonts; // by request
    QStringList families;

    explicit Impl(std::string file) : fontFile(std::move(file)) {}

    bool ready() {
        if (usable) return true;
        if (!QCoreApplication::instance()) {
            // Fonts need a GUI application; without a window system the
            // offscreen platform serves.
            static int argc = 3;
            static char arg0[] = "vectrim", arg1[] = "-platform", arg2[] = "offscreen";
            static char* argv[] = {arg0, arg1, arg2, nullptr};
            quietQtMessages();
            ownApp = std::make_unique<QGuiApplication>(argc, argv);
        }
        usable = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
        if (usable) families = QFontDatabase::families();
        return usable;
    }

    QRawFont fromFamily(const QString& family) {
        QFont f(family);
        f.setPixelSize(static_cast<int>(kGlyphSize));
        f.setHintingPreference(QFont::PreferNoHinting);
        return QRawFont::fromFont(f);
    }

    bool installed(const QString& family) const {
        for (const QString& f : families)
            if (f.compare(family, Qt::CaseInsensitive) == 0) return true;
        return false;
    }

    Font& font(const dxf::FontRequest& request) {
        const std::string key = request.family + "\n" + request.file;
        auto it = fonts.find(key);
        if (it != fonts.end()) return it->second;
        QRawFont raw;
        if (!fontFile.empty()) {
            raw = QRawFont(QString::fromStdString(fontFile), kGlyphSize, QFont::PreferNoHinting);
        } else {
            QStringList candidates;
            if (!request.family.empty()) candidates << QString::fromUtf8(request.family.c_str());
            if (!request.file.empty()) {
                QString base = QString::fromUtf8(request.file.c_str());
                base = base.mid(base.lastIndexOf(QLatin1Char('/')) + 1);
                base = base.mid(base.lastIndexOf(QLatin1Char('\\')) + 1);
                const int dot = base.lastIndexOf(QLatin1Char('.'));
                if (dot > 0) base = base.left(dot);
                candidates << base;
            }
            for (const QString& c : candidates) {
                if (c.isEmpty() || !installed(c)) continue;
                raw = fromFamily(c);
                if (raw.isValid()) break;
            }
            if (!raw.isValid()) raw = fromFamily(QString::fromLatin1(kDefaultFamily));
            if (!raw.isValid())
                raw = fromFamily(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
        }
        Font f;
        f.raw = raw;
        double cap = raw.isValid() ? raw.capHeight() : 0;
        if (!(cap > 0) && raw.isValid()) cap = 0.7 * raw.ascent();
        f.scale = cap > 0 ? 1.0 / cap : 0;
        return fonts.emplace(key, std::move(f)).first->second;
    }

    const std::vector<dxf::TextOutline::Element>& glyph(Font& f, quint32 index) {
        auto it = f.glyphs.find(index);
        if (it != f.glyphs.end()) return it->second;
        std::vector<dxf::TextOutline::Element> out;
        using El = dxf::TextOutline::Element;
        const double k = f.scale;
        const QPainterPath path = f.raw.pathForGlyph(index);
        dxf::Vec2 first{}, last{};
        bool open = false;
        auto closeContour = [&] {
            if (open && (last.x != first.x || last.y != first.y))
                out.push_back(El{dxf::TextOutline::Line, {first, {}, {}}});
            open = false;
        };
        for (int i = 0; i < path.elementCount(); ++i) {
            const QPainterPath::Element e = path.elementAt(i);
            const dxf::Vec2 p{e.x * k, -e.y * k};
            switch (e.type) {
                case QPainterPath::MoveToElement:
                    closeContour();
                    out.push_back(El{dxf::TextOutline::Move, {p, {}, {}}});
                    first = last = p;
                    open = true;
                    break;
                case QPainterPath::LineToElement:
                    out.push_back(El{dxf::TextOutline::Line, {p, {}, {}}});
                    last = p;
                    break;
                case QPainterPath::CurveToElement: {
                    if (i + 2 >= path.elementCount()) break;
                    const QPainterPath::Element c2 = path.elementAt(i + 1), to = path.elementAt(i + 2);
                    const dxf::Vec2 q{c2.x * k, -c2.y * k}, r{to.x * k, -to.y * k};
                    out.push_back(El{dxf::TextOutline::Cubic, {p, q, r}});
                    last = r;
                    i += 2;
                    break;
                }
                case QPainterPath::CurveToDataElement: break;
            }
        }
        closeContour();
        return f.glyphs.emplace(index, std::move(out)).first->second;
    }
};

QtOutliner::QtOutliner(std::string fontFile) : d_(std::make_unique<Impl>(std::move(fontFile))) {}
QtOutliner::~QtOutliner() {
    d_->fonts.clear(); // before the application they belong to
}

std::string QtOutliner::familyFor(const dxf::FontRequest& request) {
    if (!d_->ready()) return {};
    const QRawFont& raw = d_->font(request).raw;
    return raw.isValid() ? raw.familyName().toStdString() : std::string();
}

bool QtOutliner::outline(std::u32string_view text, const dxf::FontRequest& request, dxf::TextOutline& out) {
    out = dxf::TextOutline{};
    if (!d_->ready()) return false;
    Impl::Font& font = d_->font(request);
    const QRawFont& raw = font.raw;
    if (!raw.isValid() || !(font.scale > 0)) return false;
    const double k = font.scale;

    const QString s = QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
    const QList<quint32> glyphs = raw.glyphIndexesForString(s);
    const QList<QPointF> advances = raw.advancesForGlyphIndexes(glyphs);
    double pen = 0;
    for (qsizetype g = 0; g < glyphs.size(); ++g) {
        const double dx = pen * k;
        for (dxf::TextOutline::Element e : d_->glyph(font, glyphs[g])) {
            for (dxf::Vec2& p : e.p) p.x += dx;
            out.path.push_back(e);
        }
        pen += g < advances.size() ? advances[g].x() : 0.0;
    }
    out.advance = pen * k;
    out.descent = raw.descent() * k;
    return true;
}

} // namespace vectrim::load

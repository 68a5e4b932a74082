#include "proposal_painter.h"

#include <QImageReader>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "report/proposal_document.h"
#include "report/qt/cabinet_picture_view.h"
#include "state/main_form_layout.h"

namespace veltra {

namespace {

// Margins in millimetres: the wider one on the left for a binder.
constexpr double kLeftMm = 20, kTopMm = 12, kRightMm = 10, kBottomMm = 12;
constexpr double kFooterMm = 7;
// The table's columns (№, name, code, quantity, price, sum); the name takes the rest.
// The code column holds the longest part number ("NTM/KRCNB 301 03/1") on one line.
constexpr double kColumnMm[6] = {12, 0, 36, 14, 23, 26};
constexpr double kCellPaddingMm = 1.2;
constexpr double kLogoWidthMm = 45, kLogoHeightMm = 22;

const char* const kFontFamily = "DejaVu Sans";
const QColor kInk(0, 0, 0), kGrid(0x60, 0x60, 0x60);
const QColor kHeaderFill(0xD9, 0xD9, 0xD9), kGroupFill(0xF0, 0xF0, 0xF0);

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QFont Font(double points, bool bold = false) {
    QFont font(kFontFamily);
    font.setStyleHint(QFont::SansSerif);
    // Outlines as designed: a page is not a screen, and hinting costs most of the time.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QImage ReadLogo(const std::string& path) {
    if (path.empty()) return {};
    QImageReader reader(Q(path));
    reader.setAutoTransform(true);
    return reader.read();
}

// A text wrapped to a width (at word boundaries, inside a word only when it
// is wider than the line), laid out once and drawn anywhere.
class Wrapped {
  public:
    Wrapped(const QString& text, const QFont& font, QPaintDevice* device, double width,
            Qt::Alignment align = Qt::AlignLeft)
        : layout_(std::make_shared<QTextLayout>(text, font, device)) {
        QTextOption option(align);
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout_->setTextOption(option);
        layout_->beginLayout();
        for (QTextLine line = layout_->createLine(); line.isValid(); line = layout_->createLine()) {
            line.setLineWidth(width);
            line.setPosition(QPointF(0, height_));
            height_ += line.height();
        }
        layout_->endLayout();
    }
    double height() const { return height_; }
    int lines() const { return layout_->lineCount(); }
    double lineHeight(int i) const { return layout_->lineAt(i).height(); }
    void Draw(QPainter& painter, QPointF at) const { layout_->draw(&painter, at); }
    // Line i with its top at `at`.
    void DrawLine(QPainter& painter, int i, QPointF at) const {
        const QTextLine line = layout_->lineAt(i);
        line.draw(&painter, at - QPointF(0, line.y()));
    }

  private:
    std::shared_ptr<QTextLayout> layout_;
    double height_ = 0;
};

// A piece of the page flow, never split across pages.
struct Block {
    double spaceBefore = 0;  // left out at the top of a page
    double height = 0;
    std::function<void(QPainter&, double top)> paint;
    bool keepWithNext = false;
    bool newPage = false;
    int header = -1;  // the table header block repeated above it on a new page
};

struct Placed {
    int block;
    double top;
};

class Flow {
  public:
    Flow(QPagedPaintDevice& device, const ProposalDocument& document)
        : device_(device), document_(document) {
        const QRect paint = device.pageLayout().paintRectPixels(device.logicalDpiX());
        dotsPerMm_ = device.logicalDpiX() / 25.4;
        width_ = paint.width();
        pageHeight_ = paint.height();
        bodyHeight_ = pageHeight_ - Mm(kFooterMm);
    }

    void Build() {
        Seller();
        Paragraph(document_.title, Font(13, true), Mm(6), Qt::AlignHCenter);
        for (size_t i = 0; i < document_.customer.size(); ++i)
            Paragraph(document_.customer[i], Font(9), i == 0 ? Mm(5) : 0);
        Configuration();
        for (const DocumentTable& table : document_.tables) Table(table);
        Paragraph(document_.discount, Font(9), Mm(4));
        Totals();
        Paragraph(document_.words, Font(9, true), Mm(2));
        Paragraph(document_.validity, Font(9), Mm(6));
        for (const std::string& term : document_.terms) Paragraph(term, Font(9), Mm(2));
        // A signature alone on a page signs nothing: it goes with the last term.
        blocks_.back().keepWithNext = true;
        Signature();
        if (document_.cabinet) Cabinet();
    }

    std::vector<std::vector<Placed>> Paginate() const {
        std::vector<std::vector<Placed>> pages(1);
        double y = 0;
        for (int i = 0; i < int(blocks_.size()); ++i) {
            const Block& b = blocks_[size_t(i)];
            // A block kept with the next one moves with it.
            double need = b.spaceBefore + b.height;
            for (int j = i; blocks_[size_t(j)].keepWithNext && j + 1 < int(blocks_.size()); ++j)
                need += blocks_[size_t(j) + 1].spaceBefore + blocks_[size_t(j) + 1].height;
            need = std::min(need, bodyHeight_);
            if (!pages.back().empty() && (b.newPage || y + need > bodyHeight_)) {
                pages.emplace_back();
                y = 0;
                if (b.header >= 0) {
                    pages.back().push_back({b.header, y});
                    y += blocks_[size_t(b.header)].height;
                }
            }
            if (!pages.back().empty()) y += b.spaceBefore;
            pages.back().push_back({i, y});
            y += b.height;
        }
        return pages;
    }

    void Paint(QPainter& painter, const std::vector<std::vector<Placed>>& pages) const {
        const QFont footer = Font(7.5);
        for (size_t p = 0; p < pages.size(); ++p) {
            if (p > 0) device_.newPage();
            for (const Placed& placed : pages[p]) {
                painter.save();
                blocks_[size_t(placed.block)].paint(painter, placed.top);
                painter.restore();
            }
            const Wrapped number(QString("Страница %1 из %2").arg(p + 1).arg(pages.size()), footer,
                                 &device_, width_, Qt::AlignRight);
            painter.setPen(kInk);
            number.Draw(painter, QPointF(0, pageHeight_ - number.height()));
        }
    }

    bool logoUnreadable() const { return logoUnreadable_; }

  private:
    double Mm(double mm) const { return mm * dotsPerMm_; }

    void Add(Block block) { blocks_.push_back(std::move(block)); }

    // A paragraph, one block per line so that a long one continues on the next page.
    void Paragraph(const std::string& text, const QFont& font, double spaceBefore,
                   Qt::Alignment align = Qt::AlignLeft) {
        if (text.empty()) return;
        const Wrapped wrapped(Q(text), font, &device_, width_, align);
        for (int i = 0; i < wrapped.lines(); ++i) {
            Block b;
            b.spaceBefore = i == 0 ? spaceBefore : 0;
            b.height = wrapped.lineHeight(i);
            b.paint = [wrapped, i](QPainter& painter, double top) {
                painter.setPen(kInk);
                wrapped.DrawLine(painter, i, QPointF(0, top));
            };
            Add(std::move(b));
        }
    }

    void Seller() {
        const QImage logo = ReadLogo(document_.logoPath);
        logoUnreadable_ = !document_.logoPath.empty() && logo.isNull();
        QSizeF logoSize;
        if (!logo.isNull()) {
            logoSize = QSizeF(logo.size())
                           .scaled(Mm(kLogoWidthMm), Mm(kLogoHeightMm), Qt::KeepAspectRatio);
        }
        const double left = logo.isNull() ? 0 : logoSize.width() + Mm(5);
        std::vector<Wrapped> lines;
        double textHeight = 0;
        for (size_t i = 0; i < document_.seller.size(); ++i) {
            lines.emplace_back(Q(document_.seller[i]), i == 0 ? Font(11, true) : Font(8), &device_,
                               width_ - left);
            textHeight += lines.back().height();
        }
        if (lines.empty() && logo.isNull()) return;
        Block b;
        b.height = std::max(textHeight, logoSize.height()) + Mm(2);
        b.paint = [logo, logoSize, left, lines, this](QPainter& painter, double top) {
            if (!logo.isNull()) painter.drawImage(QRectF(QPointF(0, top), logoSize), logo);
            double y = top;
            painter.setPen(kInk);
            for (const Wrapped& line : lines) {
                line.Draw(painter, QPointF(left, y));
                y += line.height();
            }
            const double rule = top + std::max(y - top, logoSize.height()) + Mm(1.5);
            painter.setPen(QPen(kInk, Mm(0.3)));
            painter.drawLine(QPointF(0, rule), QPointF(width_, rule));
        };
        Add(std::move(b));
    }

    void Configuration() {
        bool first = true;
        for (const std::string& line : document_.configuration) {
            if (line.empty()) {
                Block gap;
                gap.height = Mm(2);
                gap.paint = [](QPainter&, double) {};
                Add(std::move(gap));
                continue;
            }
            Paragraph(line, Font(9, first), first ? Mm(5) : 0);
            first = false;
        }
    }

    // The left edges of the six columns and the right edge of the last.
    std::vector<double> ColumnEdges() const {
        double fixed = 0;
        for (const double mm : kColumnMm) fixed += Mm(mm);
        std::vector<double> edges = {0};
        for (const double mm : kColumnMm)
            edges.push_back(edges.back() + (mm == 0 ? width_ - fixed : Mm(mm)));
        return edges;
    }

    // One row of cells; a cell spans from its column to the next given one.
    struct Cell {
        int first, last;
        QString text;
        Qt::Alignment align;
    };
    Block Row(const std::vector<Cell>& cells, const QFont& font, const QColor& fill) const {
        const std::vector<double> edges = ColumnEdges();
        const double pad = Mm(kCellPaddingMm);
        std::vector<Wrapped> texts;
        double height = 0;
        for (const Cell& cell : cells) {
            texts.emplace_back(cell.text, font, &device_,
                               edges[size_t(cell.last) + 1] - edges[size_t(cell.first)] - 2 * pad,
                               cell.align);
            height = std::max(height, texts.back().height());
        }
        Block b;
        b.height = height + 2 * pad;
        b.paint = [cells, texts, edges, pad, fill, height = b.height, this](QPainter& painter,
                                                                            double top) {
            if (fill.isValid()) painter.fillRect(QRectF(0, top, width_, height), fill);
            painter.setPen(QPen(kGrid, Mm(0.2)));
            for (const Cell& cell : cells) {
                const double left = edges[size_t(cell.first)];
                painter.drawRect(QRectF(left, top, edges[size_t(cell.last) + 1] - left, height));
            }
            painter.setPen(kInk);
            for (size_t i = 0; i < cells.size(); ++i)
                texts[i].Draw(painter, QPointF(edges[size_t(cells[i].first)] + pad, top + pad));
        };
        return b;
    }

    void Table(const DocumentTable& table) {
        Paragraph(table.caption, Font(10, true), Mm(6));
        blocks_.back().keepWithNext = true;

        std::vector<Cell> heading;
        for (int c = 0; c < 6; ++c) {
            heading.push_back({c, c, Q(document_.columns.at(size_t(c))), Qt::AlignHCenter});
        }
        Block header = Row(heading, Font(8, true), kHeaderFill);
        header.spaceBefore = Mm(1.5);
        header.keepWithNext = true;
        const int headerIndex = int(blocks_.size());
        Add(std::move(header));

        const Qt::Alignment right = Qt::AlignRight;
        for (const DocumentRow& row : table.rows) {
            Block b = row.group
                          ? Row({{0, 5, Q(row.name), Qt::AlignLeft}}, Font(8, true), kGroupFill)
                          : Row({{0, 0, Q(row.number), Qt::AlignHCenter},
                                 {1, 1, Q(row.name), Qt::AlignLeft},
                                 {2, 2, Q(row.code), Qt::AlignLeft},
                                 {3, 3, Q(row.quantity), Qt::AlignHCenter},
                                 {4, 4, Q(row.unitPrice), right},
                                 {5, 5, Q(row.sum), right}},
                                Font(8), QColor());
            b.header = headerIndex;
            // A group heading stays with its first item.
            b.keepWithNext = row.group;
            Add(std::move(b));
        }
        // The last item goes with the total row.
        if (!table.rows.empty()) blocks_.back().keepWithNext = true;
        Block total = Row({{0, 4, kTableTotalLabel, right}, {5, 5, Q(table.total), right}},
                          Font(8, true), QColor());
        total.header = headerIndex;
        Add(std::move(total));
    }

    void Totals() {
        const double amountWidth = Mm(40), gap = Mm(3);
        std::vector<std::pair<Wrapped, Wrapped>> lines;
        double height = 0;
        for (size_t i = 0; i < document_.totals.size(); ++i) {
            const bool last = i + 1 == document_.totals.size();
            const QFont font = Font(9, last || i == 0);
            lines.emplace_back(Wrapped(Q(document_.totals[i].label), font, &device_,
                                       width_ - amountWidth - gap, Qt::AlignRight),
                               Wrapped(Q(document_.totals[i].amount), font, &device_, amountWidth,
                                       Qt::AlignRight));
            height += std::max(lines.back().first.height(), lines.back().second.height());
        }
        Block b;
        b.spaceBefore = Mm(4);
        b.height = height;
        b.keepWithNext = true;  // with the total in words
        b.paint = [lines, amountWidth, this](QPainter& painter, double top) {
            painter.setPen(kInk);
            for (const auto& [label, amount] : lines) {
                label.Draw(painter, QPointF(0, top));
                amount.Draw(painter, QPointF(width_ - amountWidth, top));
                top += std::max(label.height(), amount.height());
            }
        };
        Add(std::move(b));
    }

    void Signature() {
        const double positionWidth = Mm(70), lineLeft = Mm(75), lineRight = Mm(120);
        const Wrapped position(Q(document_.signerPosition), Font(9), &device_, positionWidth);
        const Wrapped name(Q(document_.signerName), Font(9), &device_, width_ - lineRight - Mm(5));
        const Wrapped caption("(подпись)", Font(6.5), &device_, lineRight - lineLeft,
                              Qt::AlignHCenter);
        const double textHeight = std::max({position.height(), name.height(), Mm(5)});
        Block b;
        b.spaceBefore = Mm(12);
        b.height = textHeight + caption.height();
        b.paint = [=, this](QPainter& painter, double top) {
            painter.setPen(kInk);
            position.Draw(painter, QPointF(0, top + textHeight - position.height()));
            name.Draw(painter, QPointF(lineRight + Mm(5), top + textHeight - name.height()));
            caption.Draw(painter, QPointF(lineLeft, top + textHeight));
            painter.setPen(QPen(kInk, Mm(0.2)));
            painter.drawLine(QPointF(lineLeft, top + textHeight),
                             QPointF(lineRight, top + textHeight));
        };
        Add(std::move(b));
    }

    void Cabinet() {
        Paragraph(kCabinetPageTitle, Font(12, true), 0);
        blocks_.back().newPage = true;
        blocks_.back().keepWithNext = true;
        // The picture as the sub-page draws it, in its pixels, scaled to the width.
        const double pictureWidth = kReportFrameRect.width / 15.0;
        const double scale = width_ / pictureWidth;
        Block b;
        b.spaceBefore = Mm(4);
        b.height = kReportFrameRect.height / 15.0 * scale;
        b.paint = [picture = *document_.cabinet, scale](QPainter& painter, double top) {
            painter.translate(0, top);
            painter.scale(scale, scale);
            QFont font(kFontFamily);
            font.setHintingPreference(QFont::PreferNoHinting);
            font.setPixelSize(11);
            painter.setFont(font);
            PaintCabinetPicture(painter, picture, QColor(0x80, 0x80, 0x80));
        };
        Add(std::move(b));
    }

    QPagedPaintDevice& device_;
    const ProposalDocument& document_;
    double dotsPerMm_ = 1, width_ = 0, pageHeight_ = 0, bodyHeight_ = 0;
    std::vector<Block> blocks_;
    bool logoUnreadable_ = false;
};

}  // namespace

bool LogoUnreadable(const std::string& logoPath) {
    return !logoPath.empty() && ReadLogo(logoPath).isNull();
}

void SetProposalPageLayout(QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kLeftMm, kTopMm, kRightMm, kBottomMm),
                                     QPageLayout::Millimeter));
}

PaintedProposal PaintProposal(QPainter& painter, QPagedPaintDevice& device,
                              const ProposalDocument& document) {
    Flow flow(device, document);
    flow.Build();
    const auto pages = flow.Paginate();
    flow.Paint(painter, pages);
    return {int(pages.size()), flow.logoUnreadable()};
}

}  // namespace veltra

// SPDX-License-Identifier: GPL-3.0-or-later
#include "promo/PageReducer.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace promo {

namespace {

using namespace page_bounds;

constexpr qsizetype kMaxReference = 32; // characters of a character reference between '&' and ';'

constexpr QChar kZeroWidthSpace{0x200B};

// How an element takes part in the page's structure.
enum class Kind {
    Inline,    // text-level: a, b, font, span...
    Block,     // div, center, headings, lists: each ends an open paragraph
    Paragraph, // p: ends an open paragraph too
    Empty,     // br, hr: no content and no end tag
    Item,      // li: ends the open item of its list
    Table,
    Row,  // tr: only inside a table
    Cell, // td, th: only inside a table; a row is supplied when none is open
};

// The attributes that are kept, each on the elements that allow it and only with a valid value.
enum Attribute : unsigned {
    Href = 1u << 0,
    Align = 1u << 1,
    VAlign = 1u << 2,
    Colour = 1u << 3,
    BgColour = 1u << 4,
    FontSize = 1u << 5,
    Border = 1u << 6,
    CellPadding = 1u << 7,
    CellSpacing = 1u << 8,
    Width = 1u << 9,
    Style = 1u << 10,
};

struct ElementRule {
    QLatin1String name;
    Kind kind;
    unsigned attributes;
};

constexpr std::array kElements = {
    ElementRule{QLatin1String("a"), Kind::Inline, Href | Style},
    ElementRule{QLatin1String("b"), Kind::Inline, Style},
    ElementRule{QLatin1String("strong"), Kind::Inline, Style},
    ElementRule{QLatin1String("i"), Kind::Inline, Style},
    ElementRule{QLatin1String("em"), Kind::Inline, Style},
    ElementRule{QLatin1String("u"), Kind::Inline, Style},
    ElementRule{QLatin1String("s"), Kind::Inline, Style},
    ElementRule{QLatin1String("small"), Kind::Inline, Style},
    ElementRule{QLatin1String("big"), Kind::Inline, Style},
    ElementRule{QLatin1String("sub"), Kind::Inline, Style},
    ElementRule{QLatin1String("sup"), Kind::Inline, Style},
    ElementRule{QLatin1String("span"), Kind::Inline, Style},
    ElementRule{QLatin1String("font"), Kind::Inline, Colour | FontSize | Style},
    ElementRule{QLatin1String("p"), Kind::Paragraph, Align | Style},
    ElementRule{QLatin1String("div"), Kind::Block, Align | Style},
    ElementRule{QLatin1String("center"), Kind::Block, Style},
    ElementRule{QLatin1String("h1"), Kind::Block, Align | Style},
    ElementRule{QLatin1String("h2"), Kind::Block, Align | Style},
    ElementRule{QLatin1String("h3"), Kind::Block, Align | Style},
    ElementRule{QLatin1String("h4"), Kind::Block, Align | Style},
    ElementRule{QLatin1String("h5"), Kind::Block, Align | Style},
    ElementRule{QLatin1String("h6"), Kind::Block, Align | Style},
    ElementRule{QLatin1String("ul"), Kind::Block, Style},
    ElementRule{QLatin1String("ol"), Kind::Block, Style},
    ElementRule{QLatin1String("li"), Kind::Item, Style},
    ElementRule{QLatin1String("br"), Kind::Empty, 0},
    ElementRule{QLatin1String("hr"), Kind::Empty, 0},
    ElementRule{QLatin1String("table"), Kind::Table,
                Align | BgColour | Border | CellPadding | CellSpacing | Width | Style},
    ElementRule{QLatin1String("tr"), Kind::Row, Align | VAlign | BgColour | Style},
    ElementRule{QLatin1String("td"), Kind::Cell, Align | VAlign | BgColour | Width | Style},
    ElementRule{QLatin1String("th"), Kind::Cell, Align | VAlign | BgColour | Width | Style},
};

// Elements whose content is no page text: it is skipped up to the element's end tag.
constexpr std::array kSkippedContent = {
    QLatin1String("script"),   QLatin1String("style"),    QLatin1String("title"),
    QLatin1String("textarea"), QLatin1String("xmp"),      QLatin1String("iframe"),
    QLatin1String("noembed"),  QLatin1String("noframes"), QLatin1String("template"),
};

struct AttributeRule {
    QLatin1String name;
    Attribute attribute;
};

constexpr std::array kAttributes = {
    AttributeRule{QLatin1String("href"), Href},
    AttributeRule{QLatin1String("align"), Align},
    AttributeRule{QLatin1String("valign"), VAlign},
    AttributeRule{QLatin1String("color"), Colour},
    AttributeRule{QLatin1String("bgcolor"), BgColour},
    AttributeRule{QLatin1String("size"), FontSize},
    AttributeRule{QLatin1String("border"), Border},
    AttributeRule{QLatin1String("cellpadding"), CellPadding},
    AttributeRule{QLatin1String("cellspacing"), CellSpacing},
    AttributeRule{QLatin1String("width"), Width},
    AttributeRule{QLatin1String("style"), Style},
};

// Named character references that are decoded; other names are passed on in text, where the view
// knows many more, and left as they are in attribute values.
constexpr std::pair<QLatin1String, char16_t> kNamedCharacters[] = {
    {QLatin1String("amp"), u'&'},   {QLatin1String("lt"), u'<'},     {QLatin1String("gt"), u'>'},
    {QLatin1String("quot"), u'"'},  {QLatin1String("apos"), u'\''},  {QLatin1String("nbsp"), u'\u00A0'},
    {QLatin1String("copy"), u'©'},  {QLatin1String("reg"), u'®'},    {QLatin1String("middot"), u'·'},
    {QLatin1String("laquo"), u'«'}, {QLatin1String("raquo"), u'»'},  {QLatin1String("times"), u'×'},
    {QLatin1String("yen"), u'¥'},   {QLatin1String("hellip"), u'…'}, {QLatin1String("mdash"), u'—'},
    {QLatin1String("ndash"), u'–'}, {QLatin1String("ldquo"), u'“'},  {QLatin1String("rdquo"), u'”'},
    {QLatin1String("lsquo"), u'‘'}, {QLatin1String("rsquo"), u'’'},
};

std::string_view view(QLatin1String name) {
    return {name.data(), std::size_t(name.size())};
}

// What a tag name stands for: an element that is kept, one whose content is skipped, or the body.
struct TagRole {
    const ElementRule* element = nullptr;
    bool skipsContent = false;
    bool body = false;
};

// A name in ASCII lower case, in `buffer`; empty when it is longer than any known name or not
// ASCII. Names are looked up in tables built once, so that a page of a million tags costs a
// million lookups and no more.
std::string_view lowerName(QStringView name, std::array<char, 12>& buffer) {
    if (name.size() > qsizetype(buffer.size()))
        return {};
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        if (c > 0x7F)
            return {};
        buffer[std::size_t(i)] = char(c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c);
    }
    return {buffer.data(), std::size_t(name.size())};
}

TagRole tagRole(QStringView name) {
    static const auto roles = [] {
        std::unordered_map<std::string_view, TagRole> table;
        for (const ElementRule& rule : kElements)
            table[view(rule.name)].element = &rule;
        for (QLatin1String skipped : kSkippedContent)
            table[view(skipped)].skipsContent = true;
        table["body"].body = true;
        return table;
    }();
    std::array<char, 12> buffer;
    const auto found = roles.find(lowerName(name, buffer));
    return found == roles.end() ? TagRole{} : found->second;
}

const AttributeRule* attributeRule(QStringView name) {
    static const auto rules = [] {
        std::unordered_map<std::string_view, const AttributeRule*> table;
        for (const AttributeRule& rule : kAttributes)
            table[view(rule.name)] = &rule;
        return table;
    }();
    std::array<char, 12> buffer;
    const auto found = rules.find(lowerName(name, buffer));
    return found == rules.end() ? nullptr : found->second;
}

bool isAsciiLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isHtmlSpace(char32_t c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

bool isControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// Whether a line may break after `c` without a space: after ideographs, kana and Hangul, as in
// Chinese text. Other scripts break at spaces. This need not be exact, only never miss a long
// run of letters or digits that offers no break.
bool breaksAfter(char32_t c) {
    return (c >= 0x3040 && c <= 0x9FFF) || (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           c >= 0x20000;
}

struct Reference {
    char32_t character;
    qsizetype length; // from '&' to ';' inclusive
};

// The character reference at `text[i]` ('&'), when it is numeric or one of the decoded names.
std::optional<Reference> characterReference(QStringView text, qsizetype i) {
    const qsizetype semicolon = text.mid(i + 1, kMaxReference + 1).indexOf(u';');
    if (semicolon < 1)
        return std::nullopt;
    const QStringView name = text.mid(i + 1, semicolon);
    if (name.startsWith(u'#')) {
        const bool hex = name.size() > 1 && (name[1] == u'x' || name[1] == u'X');
        const QStringView digits = name.mid(hex ? 2 : 1);
        bool ok = false;
        const uint value = digits.size() <= 7 ? digits.toUInt(&ok, hex ? 16 : 10) : 0;
        if (!ok)
            return std::nullopt;
        const bool valid = value != 0 && value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF);
        return Reference{valid ? char32_t(value) : char32_t(0xFFFD), semicolon + 2};
    }
    for (const auto& [known, character] : kNamedCharacters)
        if (name == known)
            return Reference{character, semicolon + 2};
    return std::nullopt;
}

// The length of a named reference at `text[i]` ('&') that is passed on to the view, or 0.
qsizetype passedReference(QStringView text, qsizetype i) {
    qsizetype end = i + 1;
    while (end < text.size() && end - i <= kMaxReference && (isAsciiLetter(text[end]) || text[end].isDigit()))
        ++end;
    const bool named = end > i + 1 && isAsciiLetter(text[i + 1]) && end < text.size() && text[end] == u';';
    return named ? end - i + 1 : 0;
}

QString decodeAttribute(QStringView value) {
    QString decoded;
    for (qsizetype i = 0; i < value.size();) {
        if (value[i] == u'&') {
            if (const std::optional<Reference> reference = characterReference(value, i)) {
                decoded += QString::fromUcs4(&reference->character, 1);
                i += reference->length;
                continue;
            }
        }
        decoded += value[i++];
    }
    return decoded;
}

// Attribute values: each check returns the value to write, or an empty string to drop it.
QString matching(const QString& value, const QRegularExpression& form) {
    const QString trimmed = value.trimmed();
    return form.match(trimmed).hasMatch() ? trimmed.toLower() : QString();
}

QString colourValue(const QString& value) {
    static const QRegularExpression form(
        QStringLiteral("^(#[0-9a-fA-F]{3}|#[0-9a-fA-F]{6}|[a-zA-Z]{3,20})$"));
    return matching(value, form);
}

QString numberUpTo(const QString& value, int most) {
    static const QRegularExpression form(QStringLiteral("^[0-9]{1,4}$"));
    const QString number = matching(value, form);
    return !number.isEmpty() && number.toInt() <= most ? QString::number(number.toInt()) : QString();
}

QString widthValue(const QString& value) {
    const QString trimmed = value.trimmed();
    if (!trimmed.endsWith(u'%'))
        return numberUpTo(trimmed, 2000);
    const QString percent = numberUpTo(trimmed.chopped(1), 100);
    return percent.isEmpty() ? QString() : percent + u'%';
}

QString oneOf(const QString& value, std::initializer_list<const char*> words) {
    const QString word = value.trimmed().toLower();
    for (const char* allowed : words)
        if (word == QLatin1String(allowed))
            return word;
    return {};
}

// A style attribute keeps only the declarations below, with values of the plain forms given; a
// value that names anything to load (url(...)) can take none of these forms.
QString styleValue(const QString& value) {
    if (value.size() > kMaxStyle)
        return {};
    static const QRegularExpression fontSize(QStringLiteral("^[0-9]{1,2}(px|pt)$"));
    QStringList kept;
    for (const QString& declaration : value.split(u';')) {
        const qsizetype colon = declaration.indexOf(u':');
        const QString property = declaration.left(colon).trimmed().toLower();
        const QString given = declaration.mid(colon + 1);
        QString checked;
        if (colon < 0)
            continue;
        if (property == QLatin1String("color") || property == QLatin1String("background-color"))
            checked = colourValue(given);
        else if (property == QLatin1String("font-weight"))
            checked = oneOf(given, {"normal", "bold"});
        else if (property == QLatin1String("font-style"))
            checked = oneOf(given, {"normal", "italic"});
        else if (property == QLatin1String("text-decoration"))
            checked = oneOf(given, {"none", "underline", "line-through"});
        else if (property == QLatin1String("text-align"))
            checked = oneOf(given, {"left", "right", "center", "justify"});
        else if (property == QLatin1String("font-size"))
            checked = matching(given, fontSize);
        if (!checked.isEmpty())
            kept << property + u':' + checked;
    }
    return kept.join(u';');
}

// A link's address made absolute against the page's; only http and https links are kept.
QString hrefValue(const QString& value, const QUrl& address) {
    if (value.size() > kMaxHref)
        return {};
    const QUrl url = address.resolved(QUrl(value.trimmed()));
    if (!url.isValid() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")))
        return {};
    const QString encoded = QString::fromLatin1(url.toEncoded());
    return encoded.size() <= kMaxHref ? encoded : QString();
}

QString attributeValue(Attribute attribute, const QString& value, const QUrl& address) {
    switch (attribute) {
    case Href:
        return hrefValue(value, address);
    case Align:
        return oneOf(value, {"left", "center", "right", "justify"});
    case VAlign:
        return oneOf(value, {"top", "middle", "bottom"});
    case Colour:
    case BgColour:
        return colourValue(value);
    case FontSize: {
        static const QRegularExpression form(QStringLiteral("^[+-]?[1-7]$"));
        return matching(value, form);
    }
    case Border:
    case CellPadding:
    case CellSpacing:
        return numberUpTo(value, 16);
    case Width:
        return widthValue(value);
    case Style:
        return styleValue(value);
    }
    return {};
}

// One tag as read from the page: its name, and the attributes that some element keeps (each name
// once, its first occurrence, as browsers read them).
struct Tag {
    QStringView name;
    std::vector<std::pair<const AttributeRule*, QStringView>> attributes;
};

class Reducer {
public:
    Reducer(QStringView html, const QUrl& address) : in_(html), address_(address) {}

    QString run() {
        while (pos_ < in_.size() && text_ < kMaxText) {
            qsizetype open = in_.indexOf(u'<', pos_);
            if (open < 0)
                open = in_.size();
            text(in_.mid(pos_, open - pos_));
            pos_ = open;
            if (pos_ < in_.size())
                markup();
        }
        closeFrom(0);
        if (!visible_)
            return {};
        const QString colour =
            bodyColour_.isEmpty() ? QString() : QStringLiteral(" bgcolor=\"%1\"").arg(bodyColour_);
        return QStringLiteral("<html><body%1>").arg(colour) + out_ + QStringLiteral("</body></html>");
    }

private:
    // At '<': a comment, a declaration, a tag, or a '<' that is text.
    void markup() {
        const QStringView rest = in_.mid(pos_);
        if (rest.startsWith(QLatin1String("<!--"))) {
            skipPast(u"-->", pos_ + 4);
        } else if (rest.size() > 1 && (rest[1] == u'!' || rest[1] == u'?')) {
            skipPast(u">", pos_ + 2);
        } else if (rest.size() > 2 && rest[1] == u'/' && isAsciiLetter(rest[2])) {
            if (const std::optional<Tag> tag = readTag(pos_ + 2))
                endTag(tag->name);
        } else if (rest.size() > 1 && rest[1] == u'/') {
            skipPast(u">", pos_ + 2); // "</" and no name: a comment to browsers
        } else if (rest.size() > 1 && isAsciiLetter(rest[1])) {
            if (const std::optional<Tag> tag = readTag(pos_ + 1))
                startTag(*tag);
        } else {
            text(rest.first(1));
            ++pos_;
        }
    }

    void skipPast(QStringView end, qsizetype from) {
        const qsizetype at = in_.indexOf(end, from);
        pos_ = at < 0 ? in_.size() : at + end.size();
    }

    // Reads the tag whose name starts at `from` and moves past it. A tag that the page never ends
    // takes the rest of the page with it, as in a browser.
    std::optional<Tag> readTag(qsizetype from) {
        auto skipWhile = [this](qsizetype i, auto&& condition) {
            while (i < in_.size() && condition(in_[i]))
                ++i;
            return i;
        };
        auto nameCharacter = [](QChar c) { return !isHtmlSpace(c.unicode()) && c != u'/' && c != u'>'; };
        auto space = [](QChar c) { return isHtmlSpace(c.unicode()); };

        Tag tag;
        qsizetype i = skipWhile(from, nameCharacter);
        tag.name = in_.mid(from, i - from);
        while (true) {
            i = skipWhile(i, [](QChar c) { return isHtmlSpace(c.unicode()) || c == u'/'; });
            if (i >= in_.size())
                break;
            if (in_[i] == u'>') {
                pos_ = i + 1;
                return tag;
            }
            const qsizetype nameStart = i; // a name may start with '='
            i = skipWhile(i + 1, [&](QChar c) { return nameCharacter(c) && c != u'='; });
            const QStringView name = in_.mid(nameStart, i - nameStart);
            i = skipWhile(i, space);
            QStringView value;
            if (i < in_.size() && in_[i] == u'=') {
                i = skipWhile(i + 1, space);
                if (i < in_.size() && (in_[i] == u'"' || in_[i] == u'\'')) {
                    const qsizetype close = in_.indexOf(in_[i], i + 1);
                    if (close < 0)
                        break;
                    value = in_.mid(i + 1, close - i - 1);
                    i = close + 1;
                } else {
                    const qsizetype valueStart = i;
                    i = skipWhile(i, [](QChar c) { return !isHtmlSpace(c.unicode()) && c != u'>'; });
                    value = in_.mid(valueStart, i - valueStart);
                }
            }
            const AttributeRule* rule = attributeRule(name);
            if (rule && std::none_of(tag.attributes.begin(), tag.attributes.end(),
                                     [rule](const auto& kept) { return kept.first == rule; }))
                tag.attributes.emplace_back(rule, value);
        }
        pos_ = in_.size();
        return std::nullopt;
    }

    void startTag(const Tag& tag) {
        const TagRole role = tagRole(tag.name);
        if (role.skipsContent)
            skipContent(tag.name);
        else if (role.body)
            takeBodyColour(tag);
        else if (role.element && elements_ < kMaxElements)
            startElement(*role.element, tag);
    }

    void takeBodyColour(const Tag& tag) {
        for (const auto& [rule, value] : tag.attributes)
            if (rule->attribute == BgColour && bodyColour_.isEmpty())
                bodyColour_ = colourValue(decodeAttribute(value));
    }

    void startElement(const ElementRule& rule, const Tag& tag) {
        switch (rule.kind) {
        case Kind::Block:
        case Kind::Paragraph:
            endParagraph();
            break;
        case Kind::Item:
            endOpen(Kind::Item, {Kind::Block, Kind::Table, Kind::Cell});
            break;
        case Kind::Table:
            endParagraph();
            if (innerTables_ > 0 || inTable() || open_.size() >= kMaxOpen) {
                ++innerTables_;
                return;
            }
            break;
        case Kind::Row:
            if (innerTables_ > 0 || tableParts_ >= kMaxTableParts || !inTable())
                return;
            closeFrom(*openInTable(Kind::Table) + 1);
            rowCells_ = 0;
            break;
        case Kind::Cell:
            if (innerTables_ > 0 || !inTable() || !makeRoomForCell())
                return;
            ++rowCells_;
            break;
        case Kind::Inline:
        case Kind::Empty:
            break;
        }
        if (rule.kind != Kind::Empty && open_.size() >= kMaxOpen)
            return;
        write(rule, tag);
    }

    // Ends the cell open in the current row, or starts a row when the table has none open. False,
    // and nothing closed, when the cell would pass a bound: its text then joins the cell before.
    bool makeRoomForCell() {
        if (tableParts_ >= kMaxTableParts)
            return false;
        if (const std::optional<std::size_t> row = openInTable(Kind::Row)) {
            if (rowCells_ >= kMaxRowCells)
                return false;
            closeFrom(*row + 1);
            return true;
        }
        const std::size_t table = *openInTable(Kind::Table);
        if (tableParts_ + 2 > kMaxTableParts || elements_ + 2 > kMaxElements || table + 3 > kMaxOpen)
            return false;
        closeFrom(table + 1);
        write(*tagRole(u"tr").element, {});
        rowCells_ = 0;
        return true;
    }

    void write(const ElementRule& rule, const Tag& tag) {
        out_ += u'<';
        out_ += rule.name;
        for (const auto& [attribute, value] : tag.attributes) {
            if (!(rule.attributes & attribute->attribute))
                continue;
            const QString kept = attributeValue(attribute->attribute, decodeAttribute(value), address_);
            if (!kept.isEmpty())
                out_ += QStringLiteral(" %1=\"%2\"").arg(attribute->name, kept.toHtmlEscaped());
        }
        out_ += u'>';
        ++elements_;
        if (rule.kind == Kind::Row || rule.kind == Kind::Cell)
            ++tableParts_;
        if (rule.kind != Kind::Empty)
            open_.push_back(&rule);
    }

    void endTag(QStringView name) {
        const ElementRule* rule = tagRole(name).element;
        if (!rule || rule->kind == Kind::Empty)
            return;
        if (innerTables_ > 0 &&
            (rule->kind == Kind::Table || rule->kind == Kind::Row || rule->kind == Kind::Cell)) {
            innerTables_ -= rule->kind == Kind::Table; // the end tags of an inner table's parts go with it
            return;
        }
        // An end tag inside a table closes nothing outside it, and one inside a cell nothing
        // outside the cell.
        switch (rule->kind) {
        case Kind::Table:
            endOpen(rule, {});
            break;
        case Kind::Row:
        case Kind::Cell:
            endOpen(rule, {Kind::Table});
            break;
        default:
            endOpen(rule, {Kind::Table, Kind::Row, Kind::Cell});
        }
    }

    void endParagraph() { endOpen(Kind::Paragraph, {Kind::Table, Kind::Row, Kind::Cell}); }

    // Closes the innermost open element that is `rule` (or of `kind`), with everything inside it,
    // unless an element of one of the `barriers` kinds lies in between.
    template <typename Match> void endOpen(Match match, std::initializer_list<Kind> barriers) {
        for (std::size_t at = open_.size(); at-- > 0;) {
            if (matches(*open_[at], match)) {
                closeFrom(at);
                return;
            }
            if (std::find(barriers.begin(), barriers.end(), open_[at]->kind) != barriers.end())
                return;
        }
    }
    static bool matches(const ElementRule& open, Kind kind) { return open.kind == kind; }
    static bool matches(const ElementRule& open, const ElementRule* rule) { return &open == rule; }

    // Where the innermost open element of `kind` lies, looking no further out than the table.
    std::optional<std::size_t> openInTable(Kind kind) const {
        for (std::size_t at = open_.size(); at-- > 0;) {
            if (open_[at]->kind == kind)
                return at;
            if (open_[at]->kind == Kind::Table)
                break;
        }
        return std::nullopt;
    }

    bool inTable() const {
        return std::any_of(open_.begin(), open_.end(),
                           [](const ElementRule* open) { return open->kind == Kind::Table; });
    }

    void closeFrom(std::size_t depth) {
        while (open_.size() > depth) {
            out_ += QStringLiteral("</%1>").arg(open_.back()->name);
            open_.pop_back();
        }
    }

    // Skips the content of a script, style or the like, up to its end tag or the end of the page.
    void skipContent(QStringView name) {
        const QString end = QStringLiteral("</") + name.toString();
        for (qsizetype at = pos_; (at = in_.indexOf(end, at, Qt::CaseInsensitive)) >= 0; at += end.size()) {
            const qsizetype after = at + end.size();
            if (after == in_.size() || isHtmlSpace(in_[after].unicode()) || in_[after] == u'/' ||
                in_[after] == u'>') {
                skipPast(u">", after);
                return;
            }
        }
        pos_ = in_.size();
    }

    void text(QStringView chunk) {
        for (qsizetype i = 0; i < chunk.size() && text_ < kMaxText;) {
            if (chunk[i] == u'&') {
                if (const std::optional<Reference> reference = characterReference(chunk, i)) {
                    character(reference->character);
                    i += reference->length;
                    continue;
                }
                if (const qsizetype length = passedReference(chunk, i)) {
                    lastWasSpace_ = false;
                    written(chunk.mid(i, length), false, true);
                    i += length;
                    continue;
                }
            }
            const bool pair =
                chunk[i].isHighSurrogate() && i + 1 < chunk.size() && chunk[i + 1].isLowSurrogate();
            character(pair ? QChar::surrogateToUcs4(chunk[i], chunk[i + 1]) : char32_t(chunk[i].unicode()));
            i += pair ? 2 : 1;
        }
    }

    void character(char32_t c) {
        if (isHtmlSpace(c)) {
            // White space collapses to one space, as the view shows it anyway.
            if (!lastWasSpace_)
                written(u" ", true, false);
            lastWasSpace_ = true;
            return;
        }
        if (isControl(c))
            return;
        lastWasSpace_ = false;
        switch (c) {
        case u'<':
            return written(u"&lt;", false, true);
        case u'>':
            return written(u"&gt;", false, true);
        case u'&':
            return written(u"&amp;", false, true);
        default:
            written(QString::fromUcs4(&c, 1), breaksAfter(c), !QChar::isSpace(c));
        }
    }

    // One character of text as it is written; `breaks`: a line may break after it.
    void written(QStringView text, bool breaks, bool visible) {
        if (run_ >= kMaxRun && !breaks) {
            out_ += kZeroWidthSpace;
            run_ = 0;
        }
        out_ += text;
        ++text_;
        run_ = breaks ? 0 : run_ + 1;
        visible_ = visible_ || visible;
    }

    QStringView in_;
    QUrl address_;
    qsizetype pos_ = 0;
    QString out_;
    QString bodyColour_;
    std::vector<const ElementRule*> open_;
    int innerTables_ = 0; // tables dropped (in a table, or too deep) and still open: their parts go too
    int elements_ = 0;
    int tableParts_ = 0;
    int rowCells_ = 0;
    qsizetype text_ = 0;
    int run_ = 0;
    bool lastWasSpace_ = false;
    bool visible_ = false;
};

} // namespace

QString reducePage(QStringView html, const QUrl& address) {
    return Reducer(html, address).run();
}

} // namespace promo

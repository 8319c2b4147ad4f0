#include "platform/html_text.h"

#include <QByteArray>
#include <QStringDecoder>

#include <libxml/HTMLparser.h>
#include <libxml/parserInternals.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

namespace platform {
namespace {

enum class Kind { Html, Plain, Empty };

QByteArray MimeType(QByteArrayView contentType) {
  const qsizetype semicolon = contentType.indexOf(';');
  return contentType.first(semicolon < 0 ? contentType.size() : semicolon).trimmed().toByteArray().toLower();
}

Kind KindOf(QByteArrayView body, QByteArrayView contentType) {
  const QByteArray mime = MimeType(contentType);
  if (mime.isEmpty())
    return body.first(std::min<qsizetype>(body.size(), 1024)).contains('\0') ? Kind::Empty
                                                                            : Kind::Html;
  if (mime == "text/html" || mime == "application/xhtml+xml") return Kind::Html;
  if (mime.startsWith("text/")) return Kind::Plain;
  return Kind::Empty;
}

// ---- character encodings ------------------------------------------------

enum class Charset { Unknown, Utf8, Windows1252, Utf16LE, Utf16BE, Other };

struct Encoding {
  Charset charset = Charset::Unknown;
  QByteArray name;  // for Other
};

// Labels as browsers read them: the Latin-1 and ASCII labels mean windows-1252.
Encoding FromLabel(QByteArray label) {
  label = label.trimmed().toLower();
  if (label.size() >= 2 && (label.front() == '"' || label.front() == '\'')) {
    label.chop(label.back() == label.front() ? 1 : 0);
    label.remove(0, 1);
  }
  static const std::unordered_map<std::string_view, Charset> known = {
      {"utf-8", Charset::Utf8},          {"utf8", Charset::Utf8},
      {"unicode-1-1-utf-8", Charset::Utf8}, {"x-unicode20utf8", Charset::Utf8},
      {"windows-1252", Charset::Windows1252}, {"cp1252", Charset::Windows1252},
      {"x-cp1252", Charset::Windows1252}, {"iso-8859-1", Charset::Windows1252},
      {"iso8859-1", Charset::Windows1252}, {"iso88591", Charset::Windows1252},
      {"iso_8859-1", Charset::Windows1252}, {"iso_8859-1:1987", Charset::Windows1252},
      {"latin1", Charset::Windows1252},  {"l1", Charset::Windows1252},
      {"cp819", Charset::Windows1252},   {"ibm819", Charset::Windows1252},
      {"iso-ir-100", Charset::Windows1252}, {"csisolatin1", Charset::Windows1252},
      {"us-ascii", Charset::Windows1252}, {"ascii", Charset::Windows1252},
      {"ansi_x3.4-1968", Charset::Windows1252}, {"utf-16", Charset::Utf16LE},
      {"utf-16le", Charset::Utf16LE},    {"unicode", Charset::Utf16LE},
      {"ucs-2", Charset::Utf16LE},       {"utf-16be", Charset::Utf16BE},
  };
  if (label.isEmpty()) return {};
  const auto it = known.find(std::string_view(label.constData(), size_t(label.size())));
  if (it != known.end()) return {it->second, {}};
  if (QStringDecoder(label.constData()).isValid()) return {Charset::Other, label};
  return {};
}

QByteArray CharsetParameter(QByteArrayView contentType) {
  const QByteArray lower = contentType.toByteArray().toLower();
  const qsizetype at = lower.indexOf("charset=");
  if (at < 0) return {};
  QByteArray value = lower.mid(at + 8);
  const qsizetype end = value.indexOf(';');
  return end < 0 ? value : value.left(end);
}

// The charset a <meta> near the top of the page names, in either form:
// <meta charset="x"> or <meta http-equiv="Content-Type" content="...; charset=x">.
Encoding MetaCharset(QByteArrayView body) {
  constexpr qsizetype kPrescan = 4096;
  const QByteArray head = body.first(std::min(body.size(), kPrescan)).toByteArray().toLower();
  for (qsizetype at = head.indexOf("<meta"); at >= 0; at = head.indexOf("<meta", at + 5)) {
    const qsizetype end = head.indexOf('>', at);
    const QByteArray tag = head.mid(at, end < 0 ? -1 : end - at);
    qsizetype c = tag.indexOf("charset");
    if (c < 0) continue;
    c += 7;
    while (c < tag.size() && (tag[c] == ' ' || tag[c] == '\t')) ++c;
    if (c >= tag.size() || tag[c] != '=') continue;
    ++c;
    while (c < tag.size() && (tag[c] == ' ' || tag[c] == '"' || tag[c] == '\'')) ++c;
    qsizetype stop = c;
    while (stop < tag.size() && !QByteArrayView(" \t\"';/>").contains(tag[stop])) ++stop;
    Encoding found = FromLabel(tag.mid(c, stop - c));
    // A page cannot announce UTF-16 from inside itself.
    if (found.charset == Charset::Utf16LE || found.charset == Charset::Utf16BE)
      found = {Charset::Utf8, {}};
    if (found.charset != Charset::Unknown) return found;
  }
  return {};
}

Encoding BomCharset(QByteArrayView body) {
  if (body.startsWith("\xEF\xBB\xBF")) return {Charset::Utf8, {}};
  if (body.startsWith("\xFF\xFE")) return {Charset::Utf16LE, {}};
  if (body.startsWith("\xFE\xFF")) return {Charset::Utf16BE, {}};
  return {};
}

Encoding ChooseEncoding(QByteArrayView body, QByteArrayView contentType, Kind kind) {
  Encoding e = FromLabel(CharsetParameter(contentType));
  if (e.charset == Charset::Unknown && kind == Kind::Html) e = MetaCharset(body);
  if (e.charset == Charset::Unknown) e = BomCharset(body);
  if (e.charset == Charset::Unknown) e.charset = Charset::Utf8;
  return e;
}

QByteArrayView WithoutBom(QByteArrayView body, Charset charset) {
  const Encoding bom = BomCharset(body);
  if (bom.charset != charset) return body;
  return body.sliced(charset == Charset::Utf8 ? 3 : 2);
}

constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(QByteArray& out, char32_t c) {
  if (c < 0x80) {
    out += char(c);
  } else if (c < 0x800) {
    out += char(0xC0 | (c >> 6));
    out += char(0x80 | (c & 0x3F));
  } else {
    out += char(0xE0 | (c >> 12));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  }
}

QByteArray Windows1252ToUtf8(QByteArrayView bytes) {
  QByteArray out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (const char b : bytes) {
    const auto u = static_cast<unsigned char>(b);
    if (u < 0x80) out += b;
    else AppendUtf8(out, u < 0xA0 ? kWindows1252High[u - 0x80] : char16_t(u));
  }
  return out;
}

// The body as valid UTF-8; bytes that do not decode become U+FFFD.
QByteArray ToUtf8(QByteArrayView body, const Encoding& e) {
  const QByteArrayView bytes = WithoutBom(body, e.charset);
  switch (e.charset) {
    case Charset::Unknown:
    case Charset::Utf8:
      if (bytes.isValidUtf8()) return bytes.toByteArray();
      return QString::fromUtf8(bytes).toUtf8();
    case Charset::Windows1252:
      return Windows1252ToUtf8(bytes);
    case Charset::Utf16LE:
      return QStringDecoder(QStringDecoder::Utf16LE).decode(bytes).operator QString().toUtf8();
    case Charset::Utf16BE:
      return QStringDecoder(QStringDecoder::Utf16BE).decode(bytes).operator QString().toUtf8();
    case Charset::Other:
      break;
  }
  QStringDecoder decoder(e.name.constData());
  return QString(decoder.decode(bytes)).toUtf8();
}

// ---- the rendered text --------------------------------------------------

enum class Role { Inline, Skip, Block, Paragraph, LineBreak, Row, Cell, Preformatted };

Role RoleOfName(std::string_view name) {
  static const std::unordered_map<std::string_view, Role> roles = [] {
    std::unordered_map<std::string_view, Role> r;
    for (const char* n : {"head", "script", "style", "noscript", "template", "title"})
      r[n] = Role::Skip;
    for (const char* n :
         {"address", "article", "aside", "blockquote", "body", "caption", "center", "dd",
          "details", "dialog", "dir", "div", "dl", "dt", "fieldset", "figcaption", "figure",
          "footer", "form", "frameset", "h1", "h2", "h3", "h4", "h5", "h6", "header", "hgroup",
          "hr", "html", "legend", "li", "main", "menu", "nav", "ol", "optgroup", "option",
          "section", "summary", "table", "tbody", "tfoot", "thead", "ul", "search"})
      r[n] = Role::Block;
    for (const char* n : {"pre", "listing", "plaintext", "xmp", "textarea"})
      r[n] = Role::Preformatted;
    r["p"] = Role::Paragraph;
    r["br"] = Role::LineBreak;
    r["tr"] = Role::Row;
    r["td"] = Role::Cell;
    r["th"] = Role::Cell;
    return r;
  }();
  const auto it = roles.find(name);
  return it == roles.end() ? Role::Inline : it->second;
}

class TextWriter {
 public:
  void Text(const xmlChar* content, int length) {
    for (const xmlChar* p = content; p < content + length; ++p) {
      const char c = char(*p);
      const bool space = c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
      if (space && preformatted_ == 0) {
        pendingSpace_ = true;
        continue;
      }
      if (pendingBreaks_ > 0 || pendingTab_ || pendingSpace_ || lineStart_) Flush();
      out_ += c;
      lineStart_ = c == '\n';
    }
  }

  void BlockEdge(int breaks) {
    pendingBreaks_ = std::max(pendingBreaks_, breaks);
    pendingSpace_ = false;
    pendingTab_ = false;
  }

  void LineBreak() {
    pendingSpace_ = false;
    pendingTab_ = false;
    FlushBreaks();
    out_ += '\n';
    lineStart_ = true;
  }

  void CellEnd() {
    pendingTab_ = true;
    pendingSpace_ = false;
  }

  void EnterPreformatted() { ++preformatted_; }
  void LeavePreformatted() { --preformatted_; }

  std::string& Result() { return out_; }

 private:
  void FlushBreaks() {
    if (pendingBreaks_ > 0 && !out_.empty()) {
      const int have = lineStart_ ? 1 : 0;
      out_.append(size_t(std::max(0, pendingBreaks_ - have)), '\n');
    }
    pendingBreaks_ = 0;
  }

  void Flush() {
    if (pendingBreaks_ > 0) {
      FlushBreaks();
    } else if (pendingTab_ && !out_.empty()) {
      out_ += '\t';
    } else if (pendingSpace_ && !lineStart_ && !out_.empty()) {
      out_ += ' ';
    }
    pendingSpace_ = pendingTab_ = false;
    lineStart_ = false;
  }

  std::string out_;
  int pendingBreaks_ = 0;
  bool pendingSpace_ = false;
  bool pendingTab_ = false;
  bool lineStart_ = true;
  int preformatted_ = 0;
};

// Follows the parser's element events, so no document tree is built. The
// parser closes every element it opens, also those broken markup leaves open.
class TextFromEvents {
 public:
  void Start(const xmlChar* name, const xmlChar** attributes) {
    if (skipDepth_ > 0) {
      ++skipDepth_;
      return;
    }
    const Role role = RoleOf(name);
    if (role == Role::Skip || Hidden(attributes)) {
      skipDepth_ = 1;
      return;
    }
    switch (role) {
      case Role::LineBreak:
        writer_.LineBreak();
        break;
      case Role::Block:
      case Role::Row:
        writer_.BlockEdge(1);
        break;
      case Role::Paragraph:
        writer_.BlockEdge(2);
        break;
      case Role::Preformatted:
        writer_.BlockEdge(1);
        writer_.EnterPreformatted();
        break;
      case Role::Skip:
      case Role::Inline:
      case Role::Cell:
        break;
    }
  }

  void End(const xmlChar* name) {
    if (skipDepth_ > 0) {
      --skipDepth_;
      return;
    }
    switch (RoleOf(name)) {
      case Role::Block:
      case Role::Row:
        writer_.BlockEdge(1);
        break;
      case Role::Paragraph:
        writer_.BlockEdge(2);
        break;
      case Role::Preformatted:
        writer_.LeavePreformatted();
        writer_.BlockEdge(1);
        break;
      case Role::Cell:
        writer_.CellEnd();
        break;
      case Role::Inline:
      case Role::Skip:
      case Role::LineBreak:
        break;
    }
  }

  void Characters(const xmlChar* text, int length) {
    if (skipDepth_ == 0) writer_.Text(text, length);
  }

  std::string& Result() { return writer_.Result(); }

 private:
  // Element names come interned from the parser's dictionary: one lookup each.
  Role RoleOf(const xmlChar* name) {
    const auto it = known_.find(name);
    if (it != known_.end()) return it->second;
    const Role role = RoleOfName(reinterpret_cast<const char*>(name));
    known_.emplace(name, role);
    return role;
  }

  static bool Hidden(const xmlChar** attributes) {
    for (const xmlChar** a = attributes; a && *a; a += 2)
      if (xmlStrcasecmp(*a, BAD_CAST "hidden") == 0) return true;
    return false;
  }

  TextWriter writer_;
  int skipDepth_ = 0;
  std::unordered_map<const xmlChar*, Role> known_;
};

TextFromEvents& Events(void* context) { return *static_cast<TextFromEvents*>(context); }

QString HtmlText(const QByteArray& utf8) {
  static const bool initialised = (xmlInitParser(), true);
  (void)initialised;
  if (utf8.isEmpty()) return {};
  htmlSAXHandler sax{};
  sax.startElement = [](void* c, const xmlChar* name, const xmlChar** attributes) {
    Events(c).Start(name, attributes);
  };
  sax.endElement = [](void* c, const xmlChar* name) { Events(c).End(name); };
  sax.characters = [](void* c, const xmlChar* text, int length) { Events(c).Characters(text, length); };
  sax.ignorableWhitespace = sax.characters;
  sax.cdataBlock = sax.characters;

  struct ContextFree {
    void operator()(htmlParserCtxt* c) const { htmlFreeParserCtxt(c); }
  };
  const std::unique_ptr<htmlParserCtxt, ContextFree> context(
      htmlCreateMemoryParserCtxt(utf8.constData(), int(utf8.size())));
  if (!context) return {};
  TextFromEvents events;
  *context->sax = sax;
  context->userData = &events;
  htmlCtxtUseOptions(context.get(), HTML_PARSE_RECOVER | HTML_PARSE_NONET | HTML_PARSE_NOERROR |
                                        HTML_PARSE_NOWARNING | HTML_PARSE_IGNORE_ENC);
  xmlSwitchEncoding(context.get(), XML_CHAR_ENCODING_UTF8);
  htmlParseDocument(context.get());
  return QString::fromUtf8(events.Result());
}

}  // namespace

QString ReadableText(QByteArrayView body, QByteArrayView contentType) {
  const Kind kind = KindOf(body, contentType);
  if (kind == Kind::Empty || body.isEmpty()) return {};
  const Encoding encoding = ChooseEncoding(body, contentType, kind);
  if (kind == Kind::Plain) return QString::fromUtf8(ToUtf8(body, encoding));
  return HtmlText(ToUtf8(body, encoding));
}

}  // namespace platform

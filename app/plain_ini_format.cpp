#include "app/plain_ini_format.h"

#include <QMap>
#include <QString>

namespace selenar {
namespace {

constexpr char kTopLevelGroup[] = "General";

bool IsPlainKeyChar(char16_t ch) {
  return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') ||
         ch == '_' || ch == '-' || ch == '.';
}

QString EscapedKey(const QString& key) {
  QString out;
  for (const QChar qch : key) {
    const char16_t ch = qch.unicode();
    if (ch == '/') {
      out += '\\';
    } else if (IsPlainKeyChar(ch)) {
      out += qch;
    } else if (ch <= 0xFF) {
      out += QString("%%1").arg(int(ch), 2, 16, QChar('0')).toUpper();
    } else {
      out += QString("%U%1").arg(int(ch), 4, 16, QChar('0')).toUpper();
    }
  }
  return out;
}

int HexValue(QChar qch) {
  const char16_t ch = qch.unicode();
  if (ch >= '0' && ch <= '9') return ch - '0';
  if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
  if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
  return -1;
}

// Reads up to maxDigits hex digits at text[i]; -1 when there is none.
int ReadHex(const QString& text, qsizetype& i, int maxDigits) {
  int value = -1;
  for (int n = 0; n < maxDigits && i < text.size() && HexValue(text[i]) >= 0; ++n, ++i) {
    value = (value < 0 ? 0 : value * 16) + HexValue(text[i]);
  }
  return value;
}

QString UnescapedKey(const QString& text) {
  QString out;
  for (qsizetype i = 0; i < text.size();) {
    const QChar ch = text[i];
    if (ch == '\\') {
      out += '/';
      ++i;
    } else if (ch == '%' && i + 1 < text.size()) {
      qsizetype j = i + 1;
      const bool wide = text[j] == 'U';
      if (wide) ++j;
      const qsizetype start = j;
      const int code = ReadHex(text, j, wide ? 4 : 2);
      if (code >= 0 && j - start == (wide ? 4 : 2)) {
        out += QChar(char16_t(code));
        i = j;
      } else {
        out += ch;
        ++i;
      }
    } else {
      out += ch;
      ++i;
    }
  }
  return out;
}

// The escapes Qt writes; quotes around a value that holds ',', ';' or '=' or
// starts or ends with a blank.
QString EscapedValue(const QString& value) {
  QString out;
  bool needsQuotes = false;
  bool escapeNextIfHexDigit = false;
  for (const QChar qch : value) {
    const char16_t ch = qch.unicode();
    if (ch == ';' || ch == ',' || ch == '=') needsQuotes = true;
    if (escapeNextIfHexDigit && HexValue(qch) >= 0) {
      out += QString("\\x%1").arg(int(ch), 0, 16);
      continue;
    }
    escapeNextIfHexDigit = false;
    switch (ch) {
      case '\a':
        out += "\\a";
        break;
      case '\b':
        out += "\\b";
        break;
      case '\f':
        out += "\\f";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\v':
        out += "\\v";
        break;
      case '"':
      case '\\':
        out += '\\';
        out += qch;
        break;
      default:
        if (ch <= 0x1F) {
          out += QString("\\x%1").arg(int(ch), 0, 16);
          escapeNextIfHexDigit = true;
        } else {
          out += qch;
        }
    }
  }
  if (needsQuotes || out.startsWith(' ') || out.endsWith(' ')) out = '"' + out + '"';
  return out;
}

// A value as Qt's INI reader takes it apart, but always to one string: quotes
// group, backslash escapes, an unquoted ';' starts a comment, blanks around
// unquoted text are dropped.
QString UnescapedValue(const QString& text) {
  QString out;
  bool inQuotes = false;
  qsizetype keepUpTo = 0;  // unquoted trailing blanks are cut back to here
  for (qsizetype i = 0; i < text.size();) {
    const QChar ch = text[i];
    if (ch == '"') {
      inQuotes = !inQuotes;
      ++i;
      keepUpTo = out.size();
      continue;
    }
    if (!inQuotes && ch == ';') break;
    if (ch == '\\' && i + 1 < text.size()) {
      const QChar next = text[i + 1];
      i += 2;
      switch (next.unicode()) {
        case 'a':
          out += '\a';
          break;
        case 'b':
          out += '\b';
          break;
        case 'f':
          out += '\f';
          break;
        case 'n':
          out += '\n';
          break;
        case 'r':
          out += '\r';
          break;
        case 't':
          out += '\t';
          break;
        case 'v':
          out += '\v';
          break;
        case 'x': {
          const int code = ReadHex(text, i, 4);
          if (code >= 0) out += QChar(char16_t(code));
          break;
        }
        default:
          if (next >= '0' && next <= '7') {
            int code = next.unicode() - '0';
            for (int n = 0; n < 2 && i < text.size() && text[i] >= '0' && text[i] <= '7';
                 ++n, ++i) {
              code = code * 8 + (text[i].unicode() - '0');
            }
            out += QChar(char16_t(code));
          } else {
            out += next;  // \" \\ \; \, \' \? and anything else stands for itself
          }
      }
      keepUpTo = out.size();
      continue;
    }
    out += ch;
    ++i;
    if (inQuotes || !ch.isSpace()) keepUpTo = out.size();
  }
  out.truncate(keepUpTo);
  return out;
}

}  // namespace

bool ReadPlainIni(QIODevice& device, QSettings::SettingsMap& map) {
  const QString text = QString::fromUtf8(device.readAll());
  QString group;
  for (QStringView rawLine : QStringView(text).split('\n')) {
    const QString line = rawLine.trimmed().toString();
    if (line.isEmpty() || line.startsWith(';') || line.startsWith('#')) continue;
    if (line.startsWith('[')) {
      const qsizetype end = line.indexOf(']');
      group = UnescapedKey(line.mid(1, end < 0 ? -1 : end - 1).trimmed());
      if (group == kTopLevelGroup) group.clear();
      continue;
    }
    const qsizetype equals = line.indexOf('=');
    if (equals <= 0) continue;
    const QString key = UnescapedKey(line.left(equals).trimmed());
    QString value = UnescapedValue(line.mid(equals + 1).trimmed());
    // "@@" stands for a text that starts with '@'; any other '@' form is an
    // encoded variant, which a text store has no use for.
    if (value.startsWith('@')) {
      if (!value.startsWith("@@")) continue;
      value.remove(0, 1);
    }
    map.insert(group.isEmpty() ? key : group + '/' + key, value);
  }
  return true;
}

bool WritePlainIni(QIODevice& device, const QSettings::SettingsMap& map) {
  // Groups as Qt lays them out: the top-level keys under [General] first.
  QMap<QString, QString> groups;
  for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
    const qsizetype slash = it.key().indexOf('/');
    const QString group = slash < 0 ? QString() : it.key().left(slash);
    const QString key = slash < 0 ? it.key() : it.key().mid(slash + 1);
    QString value = it.value().toString();
    if (value.startsWith('@')) value.prepend('@');
    groups[group] += EscapedKey(key) + '=' + EscapedValue(value) + '\n';
  }
  QString text;
  for (auto it = groups.constBegin(); it != groups.constEnd(); ++it) {
    if (!text.isEmpty()) text += '\n';
    const QString name = it.key().isEmpty()           ? QString(kTopLevelGroup)
                         : it.key() == kTopLevelGroup ? "%" + it.key()
                                                      : EscapedKey(it.key());
    text += '[' + name + "]\n" + it.value();
  }
  const QByteArray bytes = text.toUtf8();
  return device.write(bytes) == bytes.size();
}

QSettings::Format PlainIniFormat() {
  static const QSettings::Format format =
      QSettings::registerFormat("conf", ReadPlainIni, WritePlainIni);
  return format;
}

}  // namespace selenar

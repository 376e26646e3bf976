#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <chrono>
#include <optional>

class QObject;

// Runs one script snippet with named controls registered as global objects. The snippets
// were written for a case-insensitive language in which a label's text is its "caption", so
// property names are matched without regard to case and "caption" falls back to "text".
namespace scripthost {

struct NamedControl {
    QString name;
    QObject* control;
};

// How long a snippet may run before it is stopped, so an endless loop cannot hang the editor.
inline constexpr std::chrono::milliseconds kSnippetTimeLimit{10000};

// The failure's description, or nullopt when the snippet ran.
std::optional<QString> runSnippet(const QString& code, const QList<NamedControl>& controls,
                                  std::chrono::milliseconds timeLimit = kSnippetTimeLimit);

// `text` cut at every occurrence of `separator`; empty pieces stay, empty text gives none.
QStringList splitPieces(const QString& text, const QString& separator);

}  // namespace scripthost

#include "scripthost/qt/SnippetRunner.h"

#include <QJSEngine>
#include <QMetaObject>
#include <QMetaProperty>
#include <QObject>

namespace scripthost {

namespace {

// Wraps a control so that its properties answer to any case and unknown ones fail loudly
// instead of silently growing a script-only property.
const char* const kCaseInsensitive = R"((function (target, names) {
    function resolve(key) {
        if (typeof key !== "string") return key;
        var found = names[key.toLowerCase()];
        return found === undefined ? key : found;
    }
    return new Proxy(target, {
        get: function (t, key) {
            var value = t[resolve(key)];
            return typeof value === "function" ? value.bind(t) : value;
        },
        set: function (t, key, value) {
            var real = resolve(key);
            if (!(real in t)) throw new TypeError("对象不支持该属性或方法: " + String(key));
            t[real] = value;
            return true;
        }
    });
}))";

QJSValue memberNames(QJSEngine& engine, const QObject& control) {
    QJSValue names = engine.newObject();
    const QMetaObject* meta = control.metaObject();
    for (int i = 0; i < meta->methodCount(); ++i) {
        QString name = QString::fromLatin1(meta->method(i).name());
        names.setProperty(name.toLower(), name);
    }
    for (int i = 0; i < meta->propertyCount(); ++i) {
        QString name = QString::fromLatin1(meta->property(i).name());
        names.setProperty(name.toLower(), name);
    }
    if (!names.hasProperty(QStringLiteral("caption")) && names.hasProperty(QStringLiteral("text")))
        names.setProperty(QStringLiteral("caption"), names.property(QStringLiteral("text")));
    return names;
}

}  // namespace

QStringList splitPieces(const QString& text, const QString& separator) {
    if (text.isEmpty()) return {};
    if (separator.isEmpty()) return {text};
    return text.split(separator, Qt::KeepEmptyParts, Qt::CaseSensitive);
}

std::optional<QString> runSnippet(const QString& code, const QList<NamedControl>& controls) {
    QJSEngine engine;
    QJSValue wrap = engine.evaluate(QString::fromUtf8(kCaseInsensitive));
    for (const NamedControl& named : controls) {
        // The window owns its controls; the engine must never delete them.
        QJSEngine::setObjectOwnership(named.control, QJSEngine::CppOwnership);
        QJSValue wrapped =
            wrap.call({engine.newQObject(named.control), memberNames(engine, *named.control)});
        engine.globalObject().setProperty(named.name, wrapped);
    }
    QJSValue result = engine.evaluate(code);
    if (result.isError()) return result.toString();
    return std::nullopt;
}

}  // namespace scripthost

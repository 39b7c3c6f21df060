// Strict reading of JSON source files.
#include "JsonFields.h"

#include "data/TextUtils.h"
#include "data/TxError.h"

#include <QJsonDocument>
#include <QJsonParseError>

#include <algorithm>
#include <cmath>

std::string Utf8Of(const QString& Text) {
    const QByteArray Bytes = Text.toUtf8();
    return std::string(Bytes.constData(), static_cast<size_t>(Bytes.size()));
}

QJsonValue ReadJsonFile(const std::string& FileName, const std::string& Where) {
    std::string Text;
    if (!LoadFileText(FileName, Text))
        throw ETxError(Where + ": cannot read the file");
    QJsonParseError Error{};
    const QJsonDocument Doc = QJsonDocument::fromJson(
        QByteArray(Text.data(), static_cast<qsizetype>(Text.size())), &Error);
    if (Error.error != QJsonParseError::NoError) {
        const size_t Offset =
            std::min<size_t>(static_cast<size_t>(std::max(0, Error.offset)), Text.size());
        const auto Line = 1 + std::count(Text.begin(), Text.begin() + Offset, '\n');
        throw ETxError(Where + ":" + std::to_string(Line) + ": not valid JSON (" +
                       Utf8Of(Error.errorString()) + ")");
    }
    if (Doc.isObject())
        return Doc.object();
    return Doc.array();
}

TJsonFields::TJsonFields(const QJsonValue& Value, std::string File, std::string Path)
    : FFile(std::move(File)), FPath(std::move(Path)) {
    if (!Value.isObject())
        throw ETxError(Where() + ": expected an object");
    FObject = Value.toObject();
}

std::string TJsonFields::WhereOf(const std::string& Path) const {
    return Path.empty() ? FFile : FFile + ": " + Path;
}

std::string TJsonFields::PathOf(const char* Key) const {
    return FPath.empty() ? std::string(Key) : FPath + "." + Key;
}

std::string TJsonFields::PathOf(const char* Key, int Index) const {
    return PathOf(Key) + "[" + std::to_string(Index) + "]";
}

void TJsonFields::Fail(const char* Key, const std::string& Message) const {
    throw ETxError(WhereOf(PathOf(Key)) + ": " + Message);
}

bool TJsonFields::Has(const char* Key) const {
    return FObject.contains(QLatin1String(Key));
}

QJsonValue TJsonFields::Need(const char* Key) {
    if (!Has(Key))
        Fail(Key, "missing field");
    FRead.insert(Key);
    return FObject.value(QLatin1String(Key));
}

void TJsonFields::Skip(const char* Key) {
    FRead.insert(Key);
}

std::string TJsonFields::String(const char* Key) {
    const QJsonValue V = Need(Key);
    if (!V.isString())
        Fail(Key, "expected a string");
    return Utf8Of(V.toString());
}

std::string TJsonFields::OptString(const char* Key, const std::string& Default) {
    return Has(Key) ? String(Key) : Default;
}

bool TJsonFields::Bool(const char* Key) {
    const QJsonValue V = Need(Key);
    if (!V.isBool())
        Fail(Key, "expected true or false");
    return V.toBool();
}

bool TJsonFields::OptBool(const char* Key, bool Default) {
    return Has(Key) ? Bool(Key) : Default;
}

int TJsonFields::Integer(const char* Key) {
    const QJsonValue V = Need(Key);
    const double D = V.isDouble() ? V.toDouble() : NAN;
    if (!std::isfinite(D) || D != std::floor(D) || std::fabs(D) > 1e9)
        Fail(Key, "expected a whole number");
    return static_cast<int>(D);
}

std::vector<std::string> TJsonFields::StringList(const char* Key) {
    const QJsonValue V = Need(Key);
    if (!V.isArray())
        Fail(Key, "expected a list of strings");
    std::vector<std::string> Items;
    const QJsonArray A = V.toArray();
    for (qsizetype I = 0; I < A.size(); ++I) {
        if (!A.at(I).isString())
            throw ETxError(WhereOf(PathOf(Key, static_cast<int>(I))) + ": expected a string");
        Items.push_back(Utf8Of(A.at(I).toString()));
    }
    return Items;
}

std::vector<std::string> TJsonFields::OptStringList(const char* Key) {
    return Has(Key) ? StringList(Key) : std::vector<std::string>();
}

std::string TJsonFields::Choice(const char* Key, const std::vector<std::string>& Allowed) {
    const std::string Value = String(Key);
    if (std::find(Allowed.begin(), Allowed.end(), Value) == Allowed.end()) {
        std::string Words;
        for (const std::string& W : Allowed)
            Words += (Words.empty() ? "\"" : ", \"") + W + "\"";
        Fail(Key, "\"" + Value + "\" is not one of " + Words);
    }
    return Value;
}

TJsonFields TJsonFields::Object(const char* Key) {
    const QJsonValue V = Need(Key);
    if (!V.isObject())
        Fail(Key, "expected an object");
    return TJsonFields(V, FFile, PathOf(Key));
}

QJsonArray TJsonFields::Array(const char* Key) {
    const QJsonValue V = Need(Key);
    if (!V.isArray())
        Fail(Key, "expected a list");
    return V.toArray();
}

std::map<std::string, std::string> TJsonFields::StringMap(const char* Key) {
    const QJsonValue V = Need(Key);
    if (!V.isObject())
        Fail(Key, "expected an object");
    std::map<std::string, std::string> Map;
    const QJsonObject O = V.toObject();
    for (auto It = O.begin(); It != O.end(); ++It) {
        if (!It.value().isString())
            throw ETxError(WhereOf(PathOf(Key) + "." + Utf8Of(It.key())) + ": expected a string");
        Map[Utf8Of(It.key())] = Utf8Of(It.value().toString());
    }
    return Map;
}

void TJsonFields::Finish() const {
    for (auto It = FObject.begin(); It != FObject.end(); ++It) {
        const std::string Key = Utf8Of(It.key());
        if (!FRead.count(Key))
            throw ETxError(WhereOf(PathOf(Key.c_str())) + ": unknown field \"" + Key + "\"");
    }
}

std::string JsonString(const QJsonValue& Value, const std::string& Where) {
    if (!Value.isString())
        throw ETxError(Where + ": expected a string");
    return Utf8Of(Value.toString());
}

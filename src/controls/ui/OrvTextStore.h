// A form's store of titled texts (the tips, for one), kept in its Storage.
#pragma once

#include "controls/TextStoreItems.h"

#include <QObject>

class TOrvTextStore : public QObject {
    Q_OBJECT
public:
    explicit TOrvTextStore(QObject* Parent = nullptr) : QObject(Parent) {}

    TTextStoreItems Storage;

    void SetStorage(const TTextStoreItems& Value) { Storage.Assign(Value); }
    // The store in its stored form, and back.
    void LoadStrings(const std::vector<std::string>& Strings) { Storage.ReadStrings(Strings); }
    std::vector<std::string> SaveStrings() const { return Storage.WriteStrings(); }
};

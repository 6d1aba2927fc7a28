#pragma once
// The tables one section loads and others read: the catalogue of qualifications reads the
// degrees, FP titles, programmes and certificates the sections loaded, never copies of its
// own. A form publishes a table it keeps for the whole run; a reader finds it by its type,
// or, when no form of this run loads it, has it loaded once here for every later reader.
#include <memory>
#include <typeindex>
#include <unordered_map>
#include <vector>

namespace rumbelo {

class SharedTables {
  public:
    // `table` must live as long as the program (a form's member).
    template <class T>
    void publish(const T& table) {
        tables_[std::type_index(typeid(T))] = &table;
    }

    template <class T>
    const T* find() const {
        const auto found = tables_.find(std::type_index(typeid(T)));
        return found == tables_.end() ? nullptr : static_cast<const T*>(found->second);
    }

    // The published table, or one made now: `load(T&)` fills it and it stays here.
    template <class T, class Load>
    const T& obtain(Load load) {
        if (const T* table = find<T>()) return *table;
        auto owned = std::make_shared<T>();
        load(*owned);
        owned_.push_back(owned);
        publish(*owned);
        return *owned;
    }

  private:
    std::unordered_map<std::type_index, const void*> tables_;
    std::vector<std::shared_ptr<void>> owned_;
};

}  // namespace rumbelo

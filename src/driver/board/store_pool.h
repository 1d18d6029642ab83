#pragma once
// Connections to the board's database for the server's threads: one each while it answers a
// request, opened when first needed and kept for the next.
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "driver/board/board_store.h"

namespace zarvo {

class Store_Pool {
  public:
    explicit Store_Pool(std::string db) : db_(std::move(db)) {}

    class Lease {
      public:
        Lease(Store_Pool& pool, std::unique_ptr<Board_Store> store)
            : pool_(pool), store_(std::move(store)) {}
        ~Lease() {
            if (store_) pool_.Give_Back(std::move(store_));
        }
        Lease(Lease&& o) noexcept : pool_(o.pool_), store_(std::move(o.store_)) {}
        Lease(const Lease&) = delete;
        Lease& operator=(const Lease&) = delete;
        Board_Store* operator->() { return store_.get(); }
        explicit operator bool() const { return store_ != nullptr; }

      private:
        Store_Pool& pool_;
        std::unique_ptr<Board_Store> store_;
    };

    // A connection, or none with `error` when the database cannot be reached.
    Lease Take(std::string& error) {
        std::unique_ptr<Board_Store> store;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (!idle_.empty()) {
                store = std::move(idle_.back());
                idle_.pop_back();
            }
        }
        if (!store) store = Open_Board_Store(db_, error);
        return Lease(*this, std::move(store));
    }

  private:
    void Give_Back(std::unique_ptr<Board_Store> store) {
        std::lock_guard<std::mutex> lock(mutex_);
        idle_.push_back(std::move(store));
    }

    std::string db_;
    std::mutex mutex_;
    std::vector<std::unique_ptr<Board_Store>> idle_;
};

}  // namespace zarvo

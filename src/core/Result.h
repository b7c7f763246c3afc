#pragma once

#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>

namespace quintara {

// What went wrong with a file or format operation; `kind` lets callers pick their own message.
enum class ErrorKind { Missing, Empty, Unreadable, Unwritable, BadFormat, OutOfRange, Usage };

struct Error {
    ErrorKind kind = ErrorKind::BadFormat;
    std::string message;
};

// Thrown by Result::Value() on an error, so a caller that forgot to check fails loudly.
class ResultError : public std::runtime_error {
public:
    explicit ResultError(const Error& error) : std::runtime_error(error.message), m_error(error) {}
    const Error& GetError() const { return m_error; }

private:
    Error m_error;
};

// What Value() throws for an error type of a layer's own: its message when it has one.
template <class E>
[[noreturn]] void ThrowResultError(const E& error) {
    if constexpr (std::is_same_v<E, Error>) {
        throw ResultError(error);
    } else if constexpr (requires { error.text; }) {
        throw ResultError(Error{ErrorKind::BadFormat, std::string(error.text)});
    } else {
        throw ResultError(Error{ErrorKind::BadFormat, "operation failed"});
    }
}

// The value of an operation that can fail, or the typed error it failed with.
template <class T, class E = Error>
class Result {
public:
    static_assert(!std::is_same_v<T, E>, "a value and its error must be told apart");

    Result(T value)
        : m_data(std::in_place_index<0>, std::move(value)) {}  // NOLINT(google-explicit-constructor)
    Result(E error)
        : m_data(std::in_place_index<1>, std::move(error)) {}  // NOLINT(google-explicit-constructor)

    bool Ok() const { return m_data.index() == 0; }
    explicit operator bool() const { return Ok(); }

    T& Value() & {
        Check();
        return std::get<0>(m_data);
    }
    const T& Value() const& {
        Check();
        return std::get<0>(m_data);
    }
    T&& Value() && {
        Check();
        return std::get<0>(std::move(m_data));
    }
    T* operator->() { return &Value(); }
    const T* operator->() const { return &Value(); }
    T& operator*() & { return Value(); }
    const T& operator*() const& { return Value(); }

    const E& GetError() const { return std::get<1>(m_data); }

private:
    void Check() const {
        if (!Ok()) {
            ThrowResultError(std::get<1>(m_data));
        }
    }
    std::variant<T, E> m_data;
};

// Success carries nothing but the fact.
struct Done {};
using Status = Result<Done>;

inline Error MakeError(ErrorKind kind, std::string message) {
    return Error{kind, std::move(message)};
}

}  // namespace quintara

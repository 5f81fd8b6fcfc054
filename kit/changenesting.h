#pragma once

#include <exception>

namespace zerval {

// Tells the outermost change of a window from the changes nested in it. Writing a field
// raises that field's change at once, so one keystroke runs a chain of change handlers; an
// error raised deep in the chain travels back to the handler where the chain started and is
// answered there, once.
class ChangeNesting {
public:
    // One running change handler, for the life of the scope.
    class Scope {
    public:
        explicit Scope(ChangeNesting& nesting)
            : nesting_(nesting) {
            ++nesting_.depth_;
        }
        ~Scope() { --nesting_.depth_; }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

        bool outermost() const { return nesting_.depth_ == 1; }

    private:
        ChangeNesting& nesting_;
    };

    bool running() const { return depth_ > 0; }

    // Runs a change handler. Nested in another change, its errors travel on to that change.
    // As the outermost change, an error it raises is handed to `answer` once the handler has
    // unwound, so that the fields `answer` writes raise changes of their own; `answer` may
    // rethrow what it does not answer.
    template <typename Body, typename Answer> void run(Body&& body, Answer&& answer) {
        std::exception_ptr error;
        {
            Scope scope(*this);
            if (!scope.outermost()) {
                body();
                return;
            }
            try {
                body();
            } catch (...) {
                error = std::current_exception();
            }
        }
        if (error) answer(error);
    }

private:
    int depth_ = 0;
};

} // namespace zerval

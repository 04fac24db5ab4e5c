#include "platform/guard.h"

#include <QString>

bool runGuarded(const std::function<void()> &f)
{
    try {
        f();
        return true;
    } catch (const VError &e) {
        showDefaultError(e.message());
    } catch (const std::bad_alloc &) {
        showDefaultError(QStringLiteral("Out of memory"));
    } catch (const std::exception &e) {
        showDefaultError(QString::fromUtf8(e.what()));
    } catch (...) {
        showDefaultError(QStringLiteral("Unexpected error"));
    }
    return false;
}

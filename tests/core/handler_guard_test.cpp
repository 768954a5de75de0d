#include "core/handler_support.h"
#include "test_support/recorders.h"

#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

namespace {

TEST(HandlerGuardTest, ReportsEachRuntimeErrorInOneItalianMessage) {
    const std::pair<RuntimeErrorKind, std::string> cases[] = {
        {RuntimeErrorKind::DivisionByZero, "Errore di calcolo: divisione per zero."},
        {RuntimeErrorKind::Overflow, "Errore di calcolo: un valore supera l'intervallo dei "
                                     "numeri rappresentabili (overflow)."},
        {RuntimeErrorKind::InvalidOperation,
         "Errore di calcolo: operazione non valida (risultato indeterminato)."},
        {RuntimeErrorKind::IndexOutOfRange, "Errore interno: indice fuori dai limiti dell'array."},
        {RuntimeErrorKind::OutOfMemory, "Memoria insufficiente: riduci il numero dei campioni N."}};
    for (const auto& [kind, message] : cases) {
        MessageRecorder messages;
        EXPECT_EQ(RunGuarded(messages, [kind] { throw RuntimeError(kind); }), kind);
        EXPECT_EQ(messages.texts, std::vector<std::string>{message});
    }
}

TEST(HandlerGuardTest, ExhaustedMemoryIsReportedAsSuch) {
    MessageRecorder messages;
    EXPECT_EQ(RunGuarded(messages, [] { throw std::bad_alloc(); }), RuntimeErrorKind::OutOfMemory);
    EXPECT_EQ(messages.texts,
              std::vector<std::string>{"Memoria insufficiente: riduci il numero dei campioni N."});
}

TEST(HandlerGuardTest, CompletedHandlerShowsNothing) {
    MessageRecorder messages;
    bool ran = false;
    EXPECT_EQ(RunGuarded(messages, [&ran] { ran = true; }), std::nullopt);
    EXPECT_TRUE(ran);
    EXPECT_TRUE(messages.texts.empty());
}

} // namespace

#include "hints/HintView.h"

#include <variant>

namespace {

// One handler per effect kind and no catch-all, so std::visit does not compile when a kind
// has no handler.
template <typename... Handlers>
struct EachKind : Handlers... {
    using Handlers::operator()...;
};
// Deduces the handlers where a compiler does not deduce an aggregate's template arguments.
template <typename... Handlers>
EachKind(Handlers...) -> EachKind<Handlers...>;

}  // namespace

void applyPress(const PressEffects& effects, HintView& view) {
    for (const HintEffect& effect : effects) {
        const bool closed =
            std::visit(EachKind{
                           [&view](const ZerosVisibility& e) {
                               view.showZeros(e.visible);
                               return false;
                           },
                           [&view](const BorderChange& e) {
                               view.setBorder(e.word, e.bordered);
                               return false;
                           },
                           [&view](const CaptionWrite& e) {
                               view.setCaption(e.label, e.member, e.text);
                               return false;
                           },
                           [&view](const RemainderCopy& e) {
                               view.setCaption(HintLabel::lblRemainder, 0,
                                               view.caption(HintLabel::lblSubtract, e.member));
                               return false;
                           },
                           [&view](const CloseWindow&) {
                               view.unload();
                               return true;
                           },
                       },
                       effect);
        if (closed)
            return;
    }
}

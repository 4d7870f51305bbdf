// A layer whose folder holds no source yet still needs one translation unit to be a library.
namespace marchholt {
int EmptyLayerPlaceholder() {
    return 0;
}
}  // namespace marchholt

// A program of one rule layer linked whole with the layers below it; it does nothing when run.
// That it links at all shows that the layer calls nothing above it.
int main() {
    return 0;
}

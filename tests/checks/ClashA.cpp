// One of two libraries that give one class name two different definitions, which the
// one-definition check must report.
namespace tavrik {

class TClash {
public:
    explicit TClash(int size);
    int Size() const;

private:
    int size_;
};

TClash::TClash(int size) : size_(size) {}
int TClash::Size() const { return size_; }

} // namespace tavrik

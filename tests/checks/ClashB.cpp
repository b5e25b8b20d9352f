// The other definition of the class ClashA.cpp defines.
namespace tavrik {

class TClash {
public:
    explicit TClash(const char* name);
    const char* Name() const;

private:
    const char* name_;
};

TClash::TClash(const char* name) : name_(name) {}
const char* TClash::Name() const { return name_; }

} // namespace tavrik

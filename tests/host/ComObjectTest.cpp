#include <gtest/gtest.h>

#include "host/com/ComEnum.h"
#include "host/com/ComObject.h"

namespace {

// Identifiers made up for the test interfaces.
inline const IID IID_IAnimal = GUID::FromString("{0B1E5C11-0000-4000-8000-00000000B001}");
inline const IID IID_IDog = GUID::FromString("{0B1E5C11-0000-4000-8000-00000000B002}");
inline const IID IID_IPet = GUID::FromString("{0B1E5C11-0000-4000-8000-00000000B003}");
inline const IID IID_IExtra = GUID::FromString("{0B1E5C11-0000-4000-8000-00000000B004}");
inline const IID IID_IUnknownToAll = GUID::FromString("{0B1E5C11-0000-4000-8000-00000000B0FF}");

struct IAnimal : IUnknown {
  static const IID& Iid() { return IID_IAnimal; }
  virtual int Legs() = 0;
};
struct IDog : IAnimal {  // extends IAnimal
  using BaseInterface = IAnimal;
  static const IID& Iid() { return IID_IDog; }
  virtual std::string Bark() = 0;
};
struct IPet : IUnknown {
  static const IID& Iid() { return IID_IPet; }
  virtual std::string Owner() = 0;
};
struct IExtra : IUnknown {
  static const IID& Iid() { return IID_IExtra; }
  virtual int Value() = 0;
};

int g_alive = 0;

class Extra : public CComObject<IExtra> {
 public:
  int Value() override { return 7; }
};

class Dog : public CComObject<IDog, IPet> {
 public:
  Dog() { ++g_alive; }
  ~Dog() override { --g_alive; }
  int Legs() override { return 4; }
  std::string Bark() override { return "woof"; }
  std::string Owner() override { return "Ann"; }
  bool offerExtra = false;

 protected:
  // Offered per object: answered through the embedded object's own interface.
  void* QueryOther(REFIID iid) override {
    if (offerExtra && iid == IID_IExtra) return static_cast<IExtra*>(&m_extra);
    return nullptr;
  }

 private:
  struct EmbeddedExtra : IExtra {
    Dog* outer = nullptr;
    HRESULT QueryInterface(REFIID iid, void** out) override { return outer->QueryInterface(iid, out); }
    ULONG AddRef() override { return outer->AddRef(); }
    ULONG Release() override { return outer->Release(); }
    int Value() override { return 9; }
  };
  EmbeddedExtra m_extra = [this] {
    EmbeddedExtra e;
    e.outer = this;
    return e;
  }();
};

CComPtr<IUnknown> UnknownOf(IUnknown* p) { return ComQuery<IUnknown>(p); }

class ComObjectTest : public ::testing::Test {
 protected:
  void SetUp() override { g_alive = 0; }
  void TearDown() override { EXPECT_EQ(g_alive, 0); }
};

// The number of references held on object, read without changing it.
ULONG References(IUnknown* object) {
  object->AddRef();
  return object->Release();
}

TEST_F(ComObjectTest, QueriesFindEveryInterfaceOfOneObjectReflexivelySymmetricallyTransitively) {
  CComPtr<IPet> pet = MakeComObject<Dog>().Get();
  EXPECT_TRUE(ComQuery<IPet>(pet));  // reflexive
  CComPtr<IDog> dog;
  ASSERT_EQ(pet.QueryInterface(&dog), S_OK);
  EXPECT_EQ(dog->Bark(), "woof");
  EXPECT_EQ(ComQuery<IPet>(dog).Get(), pet.Get());  // symmetric
  CComPtr<IAnimal> animal = ComQuery<IAnimal>(dog);
  ASSERT_TRUE(animal);
  EXPECT_EQ(ComQuery<IPet>(animal).Get(), pet.Get());  // transitive
  EXPECT_EQ(animal->Legs(), 4);
  EXPECT_EQ(UnknownOf(dog).Get(), UnknownOf(pet).Get());
  EXPECT_EQ(UnknownOf(pet).Get(), UnknownOf(animal).Get());
  EXPECT_TRUE(IsSameObject(dog, pet));
}

TEST_F(ComObjectTest, RefusedQueryGivesNullAndAddsNothing) {
  CComPtr<Dog> dog = MakeComObject<Dog>();
  void* out = reinterpret_cast<void*>(0x1);
  EXPECT_EQ(dog->QueryInterface(IID_IUnknownToAll, &out), E_NOINTERFACE);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(dog->QueryInterface(IID_IDog, nullptr), E_POINTER);
  EXPECT_EQ(References(static_cast<IDog*>(dog.Get())), 1u) << "a refused query must not keep a reference";
  CComPtr<IPet> empty, named = ComQuery<IPet>(static_cast<IDog*>(dog.Get()));
  EXPECT_EQ(empty.QueryInterface(&named), E_POINTER);
  EXPECT_EQ(named.Get(), nullptr);
  EXPECT_EQ(ComQuery<IPet>(nullptr).Get(), nullptr);
}

// Copies, moves, self-assignment, out-parameter slots, detach and attach: each
// object is released exactly once, when its last reference goes (the fixture
// fails on a leak).
TEST_F(ComObjectTest, SmartPointersCountEachReferenceOnceWhateverTheyAreDoneWith) {
  {
    CComPtr<Dog> a = MakeComObject<Dog>();
    IDog* object = a.Get();
    EXPECT_EQ(References(object), 1u);
    CComPtr<Dog> b = a;
    EXPECT_EQ(References(object), 2u);
    CComPtr<Dog> c = std::move(b);
    EXPECT_EQ(b.Get(), nullptr);
    EXPECT_EQ(References(object), 2u);
    c = nullptr;
    EXPECT_EQ(References(object), 1u);

    a = MakeComObject<Dog>().Get();
    EXPECT_EQ(g_alive, 1) << "reassignment released the previous object";
    CComPtr<Dog> target = MakeComObject<Dog>();
    ASSERT_EQ(a.CopyTo(&target), S_OK);
    EXPECT_EQ(g_alive, 1) << "an out-parameter slot drops what it held";
    EXPECT_EQ(References(static_cast<IDog*>(a.Get())), 2u);

    Dog* raw = target.Detach();
    EXPECT_EQ(target.Get(), nullptr);
    CComPtr<Dog> attached;
    attached.Attach(raw);
    EXPECT_EQ(References(static_cast<IDog*>(raw)), 2u) << "detach and attach move without counting";
  }
  EXPECT_EQ(g_alive, 0);

  CComPtr<IPet> pet = MakeComObject<Dog>().Get();
  CComPtr<IAnimal> animal = ComQuery<IAnimal>(pet);
  pet = nullptr;
  EXPECT_EQ(g_alive, 1) << "held through another interface";
  animal = nullptr;
  EXPECT_EQ(g_alive, 0);
}

TEST_F(ComObjectTest, SelfAssignmentKeepsTheObject) {
  CComPtr<Dog> a = MakeComObject<Dog>();
  CComPtr<Dog>& alias = a;
  a = alias;
  a = a.Get();
  a = std::move(alias);
  ASSERT_NE(a.Get(), nullptr);
  EXPECT_EQ(References(static_cast<IDog*>(a.Get())), 1u);
}

TEST_F(ComObjectTest, FurtherInterfacesAreAnsweredPerObject) {
  CComPtr<Dog> dog = MakeComObject<Dog>();
  EXPECT_FALSE(ComQuery<IExtra>(static_cast<IDog*>(dog.Get())));
  dog->offerExtra = true;
  CComPtr<IExtra> extra = ComQuery<IExtra>(static_cast<IDog*>(dog.Get()));
  ASSERT_TRUE(extra);
  EXPECT_EQ(extra->Value(), 9);
  EXPECT_TRUE(IsSameObject(extra, static_cast<IDog*>(dog.Get())));
}

TEST_F(ComObjectTest, EnumeratorWalksSkipsAndResets) {
  std::vector<CComPtr<IPet>> pets;
  for (int i = 0; i < 3; ++i) pets.emplace_back(MakeComObject<Dog>().Get());
  CComPtr<IEnum<IPet>> e;
  ASSERT_EQ(MakeEnum(pets, &e), S_OK);
  pets.clear();
  CComPtr<IPet> pet;
  EXPECT_EQ(e->Next(&pet), S_OK);
  EXPECT_EQ(e->Skip(1), S_OK);
  EXPECT_EQ(e->Next(&pet), S_OK);
  EXPECT_EQ(e->Next(&pet), S_FALSE);
  EXPECT_EQ(pet.Get(), nullptr);
  EXPECT_EQ(e->Reset(), S_OK);
  EXPECT_EQ(e->Skip(5), S_FALSE);
  EXPECT_EQ(e->Next(&pet), S_FALSE);
  e->Reset();
  EXPECT_EQ(e->Next(&pet), S_OK);
  EXPECT_EQ(g_alive, 3);
  e = nullptr;
  EXPECT_EQ(g_alive, 1) << "the enumerator released what it held";
}

}  // namespace

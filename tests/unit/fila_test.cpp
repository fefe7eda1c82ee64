#include "gameplay/Fila.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace {

void push(Fila& fila, const std::vector<int>& ids)
{
    for (int id : ids) {
        Objeto objeto{id};
        fila.Insere(objeto);
    }
}

std::vector<int> drain(Fila& fila)
{
    std::vector<int> ids;
    while (!fila.Vazia())
        ids.push_back(fila.Retira());
    return ids;
}

}  // namespace

TEST(Fila, EmptyQueueAnswersZeroEverywhere)
{
    Fila fila;
    EXPECT_TRUE(fila.Vazia());
    EXPECT_EQ(fila.Contador(), 0);
    EXPECT_EQ(fila.first(), 0);  // no node to read: must not dereference null
    for (int k = -1; k <= 6; ++k)
        EXPECT_EQ(fila.firstfive(k), 0) << "k=" << k;
    EXPECT_EQ(fila.Retira(), 0);
    EXPECT_TRUE(fila.Vazia());
}

// firstfive(k) is the k-th id for k = 1 to 5 and 0 past the last object or
// outside 1 to 5; counting drains and refills without changing the order.
TEST(Fila, FirstFiveAndCountKeepTheOrder)
{
    const std::vector<int> cases[][2] = {
        {{1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}},
        {{4, 5}, {4, 5, 0, 0, 0}},
        {{3, 4, 5}, {3, 4, 5, 0, 0}},
        {{7}, {7, 0, 0, 0, 0}},
        {{11, 12, 13, 14, 15, 16, 17, 18, 19, 20}, {11, 12, 13, 14, 15}},
    };
    for (const auto& [queued, expected] : cases) {
        Fila fila;
        push(fila, queued);
        EXPECT_EQ(fila.first(), queued.front());
        for (int k = -1; k <= 6; ++k)
            EXPECT_EQ(fila.firstfive(k), k >= 1 && k <= 5 ? expected[k - 1] : 0) << queued.size() << " queued, k=" << k;
        EXPECT_EQ(fila.Contador(), int(queued.size()));
        EXPECT_EQ(fila.Contador(), int(queued.size()));  // counting twice neither loses nor duplicates
        EXPECT_EQ(drain(fila), queued);
    }
}

TEST(Fila, SmallRingsKeepWorkingAfterRemovals)
{
    Fila fila;
    push(fila, {3});
    EXPECT_EQ(fila.Retira(), 3);  // the one node goes: empty again
    EXPECT_TRUE(fila.Vazia());
    EXPECT_EQ(fila.first(), 0);

    push(fila, {1, 2});
    EXPECT_EQ(fila.Retira(), 1);  // the front of two goes: the last must point at itself
    EXPECT_EQ(fila.first(), 2);
    EXPECT_EQ(fila.firstfive(2), 0);

    push(fila, {8, 9, 8});  // the same id may be queued twice
    EXPECT_EQ(fila.firstfive(4), 8);
    EXPECT_EQ(fila.Contador(), 4);
    EXPECT_EQ(drain(fila), (std::vector<int>{2, 8, 9, 8}));
}

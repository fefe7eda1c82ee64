#include "Fila.hpp"

namespace {
constexpr int kPositionsReported = 5;
}

Fila::~Fila()
{
    while (!Vazia())
        Retira();
}

void Fila::Insere(Objeto& objeto)
{
    auto* node = new Elemento{objeto.id, nullptr};
    if (Vazia()) {
        node->proximo = node;
        frente = node;
    } else {
        fim->proximo = node;
        node->proximo = frente;
    }
    fim = node;
}

std::int32_t Fila::Retira()
{
    if (Vazia())
        return 0;
    Elemento* const front = frente;
    const std::int32_t id = front->id;
    if (frente == fim) {
        frente = nullptr;
        fim = nullptr;
    } else {
        frente = front->proximo;
        fim->proximo = frente;
    }
    delete front;
    return id;
}

bool Fila::Vazia() const
{
    return frente == nullptr && fim == nullptr;
}

int Fila::Contador()
{
    Fila drained;
    int count = 0;
    while (!Vazia()) {
        Objeto objeto{Retira()};
        drained.Insere(objeto);
        ++count;
    }
    while (!drained.Vazia()) {
        Objeto objeto{drained.Retira()};
        Insere(objeto);
    }
    return count;
}

std::int32_t Fila::first() const
{
    return Vazia() ? 0 : frente->id;
}

std::int32_t Fila::firstfive(int k) const
{
    if (Vazia() || k < 1 || k > kPositionsReported)
        return 0;
    const Elemento* node = frente;
    for (int step = 1; step < k; ++step) {
        node = node->proximo;
        if (node == frente)
            return 0;  // went round the ring: fewer than k objects
    }
    return node->id;
}

#pragma once

#include <cstdint>

// An object of a level, named by its id (1 to N; 0 means no object).
struct Objeto {
    std::int32_t id = 0;
};

// One node of the queue's ring.
struct Elemento {
    std::int32_t id = 0;
    Elemento* proximo = nullptr;
};

// The objects still to find, in the order in which they must be found.
// A circular singly linked list: fim->proximo is frente; both are null when
// the queue is empty. The queue owns its nodes.
class Fila {
public:
    Fila() = default;
    Fila(const Fila&) = delete;
    Fila& operator=(const Fila&) = delete;
    ~Fila();

    void Insere(Objeto& objeto);
    // Removes the front object and returns its id; 0 when the queue is empty.
    std::int32_t Retira();
    bool Vazia() const;
    // How many objects are queued, counted by draining into a second queue
    // and refilling; the order is kept.
    int Contador();
    // The id at the front, or 0 for an empty queue.
    std::int32_t first() const;
    // The id of the k-th object from the front for k = 1 to 5; 0 when there
    // is no such object or k is outside 1 to 5.
    std::int32_t firstfive(int k) const;

private:
    Elemento* frente = nullptr;
    Elemento* fim = nullptr;
};

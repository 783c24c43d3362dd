// The translation unit that carries the precompiled headers of its target.

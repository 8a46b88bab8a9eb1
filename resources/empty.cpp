// Keeps the resource library non-empty before any picture exists.

// Removed once the page layouts exist.

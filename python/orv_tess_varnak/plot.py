"""Pictures of a fluid description's tables (matplotlib, imported only here)."""

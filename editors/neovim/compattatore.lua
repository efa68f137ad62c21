-- Neovim (0.7 and later): the line and train descriptions as file types, and
-- `compattatore-cli lsp` started for them, one server for every buffer. Put
-- this file under plugin/ in a folder of 'runtimepath' (for example
-- ~/.config/nvim/plugin/), or :source it from init.lua. Set
-- vim.g.compattatore_cli to the tool's path when it is not on the PATH.
local gruppo = vim.api.nvim_create_augroup('compattatore', { clear = true })

vim.api.nvim_create_autocmd({ 'BufRead', 'BufNewFile' }, {
  group = gruppo,
  pattern = { '*_linea.txt' },
  callback = function() vim.bo.filetype = 'compattatore_linea' end,
})
vim.api.nvim_create_autocmd({ 'BufRead', 'BufNewFile' }, {
  group = gruppo,
  pattern = { '*-.txt' },
  callback = function() vim.bo.filetype = 'compattatore_treno' end,
})

local cliente = nil
vim.api.nvim_create_autocmd('FileType', {
  group = gruppo,
  pattern = { 'compattatore_linea', 'compattatore_treno' },
  callback = function(args)
    -- The descriptions are Windows-1252 with CR LF.
    vim.bo[args.buf].fileformat = 'dos'
    if cliente == nil or vim.lsp.get_client_by_id(cliente) == nil then
      cliente = vim.lsp.start_client({
        name = 'compattatore',
        cmd = { vim.g.compattatore_cli or 'compattatore-cli', 'lsp' },
        root_dir = vim.fn.fnamemodify(vim.api.nvim_buf_get_name(args.buf), ':p:h'),
      })
    end
    if cliente ~= nil then vim.lsp.buf_attach_client(args.buf, cliente) end
  end,
})
